#include "ui/app/settings/pane_style_page.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/fontenum.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <limits>

#include "core/base/number_entry.h"
#include "core/base/translation.h"
#include "ui/base/prompt.h"
#include "ui/panes/pane_style.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {
constexpr std::int32_t kMaxFontTenths = std::numeric_limits<std::int16_t>::max();
}  // namespace

PaneStylePage::PaneStylePage(wxWindow* parent) : SettingsPage(parent) {
  frame_ = PageFrame(this, Tx("リストビューの設定"));
  wxWindow* box = frame_->GetStaticBox();
  auto* grid = new wxFlexGridSizer(2, wxSize(8, 6));
  grid->AddGrowableCol(1);

  fontName_ = new wxChoice(box, kFontName, wxDefaultPosition, wxSize(220, -1));
  fontName_->Append(wxFontEnumerator::GetFacenames());
  fontName_->SetToolTip(Utf8(Tr("フォント名を選んでください")));
  grid->Add(new wxStaticText(box, wxID_ANY, Utf8(Tr("フォント名(&N)"))),
            wxSizerFlags().CentreVertical());
  grid->Add(fontName_, wxSizerFlags().Expand());

  fontSize_ = new wxComboBox(box, kFontSize);
  for (const char* size : {"60", "80", "100", "120", "140"}) fontSize_->Append(size);
  fontSize_->SetToolTip(Utf8(Tr("フォントサイズを設定してください")));
  grid->Add(new wxStaticText(box, wxID_ANY, Utf8(Tr("フォントサイズ(&S)"))),
            wxSizerFlags().CentreVertical());
  grid->Add(fontSize_, wxSizerFlags().Expand());

  const auto colourRow = [&](int sampleId, int buttonId, std::string_view label,
                             std::string_view button, std::string_view sampleTip,
                             std::string_view buttonTip) {
    auto* sample = new wxPanel(box, sampleId, wxDefaultPosition, wxSize(60, 20), wxBORDER_SIMPLE);
    sample->SetToolTip(Utf8(sampleTip));
    auto* choose = new wxButton(box, buttonId, Utf8(button));
    choose->SetToolTip(Utf8(buttonTip));
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(sample, wxSizerFlags().CentreVertical());
    row->Add(choose, wxSizerFlags().Border(wxLEFT));
    grid->Add(new wxStaticText(box, wxID_ANY, Utf8(label)), wxSizerFlags().CentreVertical());
    grid->Add(row);
    return sample;
  };
  backSample_ = colourRow(kBackSample, kBackButton, Tx("背景色"), Tx("色選択(&A)"),
                          Tx("背景色です"), Tx("色設定ダイアログから背景色を選択してください"));
  textSample_ = colourRow(kTextSample, kTextButton, Tx("文字色"), Tx("色選択(&B)"),
                          Tx("文字色です"), Tx("色設定ダイアログから文字色を選択してください"));
  frame_->Add(grid, wxSizerFlags().Expand().Border());

  auto* columnsFrame = new wxStaticBoxSizer(wxHORIZONTAL, box, Utf8(Tr("列の設定")));
  columnsBox_ = columnsFrame->GetStaticBox();
  columns_ = new wxChoice(columnsBox_, kColumnCount);
  for (int n = 1; n <= kMaxColumns - 1; ++n) columns_->Append(wxString::Format("%d", n));
  columns_->SetToolTip(Utf8(Tr("カラムの数です")));
  columnsFrame->Add(new wxStaticText(columnsBox_, wxID_ANY, Utf8(Tr("列数(&C)"))),
                    wxSizerFlags().CentreVertical().Border(wxRIGHT));
  columnsFrame->Add(columns_);
  frame_->Add(columnsFrame, wxSizerFlags().Expand().Border());

  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { ChooseColour(true); }, kBackButton);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { ChooseColour(false); }, kTextButton);
}

PaneStyle& PaneStylePage::Style() const {
  switch (pane_) {
    case StyledPane::kTree: return set_->tree;
    case StyledPane::kText: return set_->text;
    case StyledPane::kList: break;
  }
  return set_->list;
}

void PaneStylePage::ShowSet(SettingsSet& set, StyledPane pane) {
  set_ = &set;
  pane_ = pane;
  static constexpr Text kTitles[] = {Tx("リストビューの設定"), Tx("ツリービューの設定"),
                                     Tx("テキストビューの設定")};
  frame_->GetStaticBox()->SetLabel(Utf8(kTitles[static_cast<int>(pane)]));
  const PaneStyle& style = Style();
  const wxString face = ToWx(style.fontName);
  if (!fontName_->SetStringSelection(face)) {
    // A face this system lacks stays choosable, so storing keeps it.
    fontName_->Insert(face, 0);
    fontName_->SetSelection(0);
  }
  fontSize_->SetValue(wxString::Format("%d", style.fontSize));
  columns_->SetSelection(std::clamp(set.userColumns, 1, kMaxColumns - 1) - 1);
  columnsBox_->Show(pane == StyledPane::kList);
  PaintSamples();
  Layout();
}

bool PaneStylePage::StoreSet() {
  if (!set_) return true;
  // Tenths of a point, kept in 16 bits; text that is no size would leave
  // the pane unreadably small.
  const NumberEntry size = ParseUnsignedEntry(TextFromWx(fontSize_->GetValue()), 1, kMaxFontTenths);
  if (!size.ok()) {
    ThePrompt().Error(this, Utf8(UnsignedEntryMessage(size, 1, kMaxFontTenths)));
    fontSize_->SetFocus();
    return false;
  }
  PaneStyle& style = Style();
  style.fontName = TextFromWx(fontName_->GetStringSelection());
  style.fontSize = size.value;
  if (pane_ == StyledPane::kList) set_->userColumns = columns_->GetSelection() + 1;
  return true;
}

void PaneStylePage::ChooseColour(bool background) {
  if (!set_) return;
  PaneStyle& style = Style();
  if (ChooseColorRef(this, background ? style.background : style.text)) PaintSamples();
}

void PaneStylePage::PaintSamples() {
  backSample_->SetBackgroundColour(FromColorRef(Style().background));
  textSample_->SetBackgroundColour(FromColorRef(Style().text));
  backSample_->Refresh();
  textSample_->Refresh();
}

}  // namespace listora
