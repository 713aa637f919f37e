#include "ui/print/print_layout_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/fontenum.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/spinbutt.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <string_view>

#include "core/base/translation.h"
#include "core/print/layout_entries.h"
#include "ui/base/command_ids.h"
#include "ui/base/ok_cancel_row.h"
#include "ui/base/prompt.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

constexpr Text kMarginLabels[4] = {Tx("上(&U)"), Tx("左(&L)"), Tx("下(&D)"), Tx("右(&R)")};
constexpr Text kMarginTips[4] = {Tx("上側の余白マージンです"), Tx("左側の余白マージンです"),
                                 Tx("下側の余白マージンです"), Tx("右側の余白マージンです")};
constexpr Text kPositions[3] = {Tx("左寄せ"), Tx("中央"), Tx("右寄せ")};
// The code menu, in the order of kPageTextCodes.
constexpr Text kCodeMenu[8] = {Tx("&0: 総アイテム数 [%A]"), Tx("&1: ページ番号 [%P]"),
                               Tx("&2: 総ページ数 [%T]"),   Tx("&3: ファイル名 [%F]"),
                               Tx("&4: 年 [%Y]"),           Tx("&5: 月 [%M]"),
                               Tx("&6: 日 [%D]"),           Tx("&7: 時間 [%H]")};
// The tool tips of a header's or footer's check box, text, code button and
// position.
constexpr Text kHeaderTips[4] = {
    Tx("ヘッダをいれる場合はチェックしてください"), Tx("ヘッダの文字列の構成です"),
    Tx("ヘッダに入れる項目を選択します"), Tx("ヘッダを入れる位置です")};
constexpr Text kFooterTips[4] = {
    Tx("フッタをいれる場合はチェックしてください"), Tx("フッタの文字列の構成です"),
    Tx("フッタに入れる項目を選択します"), Tx("フッタを入れる位置です")};

wxChoice* PositionChoice(wxWindow* parent, int id, int position) {
  auto* choice = new wxChoice(parent, id);
  for (std::string_view text : kPositions) choice->Append(Utf8(text));
  choice->SetSelection(position >= 0 && position <= 2 ? position : 1);
  return choice;
}

}  // namespace

PrintLayoutDialog::PrintLayoutDialog(wxWindow* parent, const PrintLayout& layout)
    : wxDialog(parent, wxID_ANY, Utf8(Tr("印刷レイアウト設定"))), layout_(layout) {
  auto* top = new wxBoxSizer(wxVERTICAL);

  auto* marginBox = new wxStaticBoxSizer(wxHORIZONTAL, this, Utf8(Tr("余白設定")));
  const int marginValues[4] = {layout.top, layout.left, layout.bottom, layout.right};
  for (int i = 0; i < 4; ++i) {
    wxWindow* box = marginBox->GetStaticBox();
    marginBox->Add(new wxStaticText(box, wxID_ANY, Utf8(kMarginLabels[i])),
                   wxSizerFlags().CentreVertical().Border(wxLEFT));
    margins_[i] = new wxTextCtrl(box, kTopEdit + i, wxString::Format("%d", marginValues[i]),
                                 wxDefaultPosition, wxSize(60, -1));
    margins_[i]->SetToolTip(Utf8(kMarginTips[i]));
    auto* spin = new wxSpinButton(box, kTopSpin + i);
    spin->SetRange(kMarginMin, kMarginMax);
    spin->SetValue(std::clamp(marginValues[i], kMarginMin, kMarginMax));
    spin->Bind(wxEVT_SPIN, [this, i](wxSpinEvent& event) {
      margins_[i]->ChangeValue(wxString::Format("%d", event.GetPosition()));
    });
    // The spin steps from what was typed, as a buddy control does.
    margins_[i]->Bind(wxEVT_TEXT, [this, i, spin](wxCommandEvent&) {
      const NumberEntry entry = ParseMargin(TextFromWx(margins_[i]->GetValue()));
      if (entry.ok()) spin->SetValue(entry.value);
    });
    marginBox->Add(margins_[i], wxSizerFlags().CentreVertical());
    marginBox->Add(spin, wxSizerFlags().CentreVertical().Border(wxRIGHT));
  }
  top->Add(marginBox, wxSizerFlags().Expand().Border());

  auto* fontBox = new wxStaticBoxSizer(wxVERTICAL, this, Utf8(Tr("フォント設定")));
  wxWindow* fontParent = fontBox->GetStaticBox();
  auto* fontGrid = new wxFlexGridSizer(2, wxSize(8, 4));
  fontGrid->AddGrowableCol(1);
  fontName_ = new wxChoice(fontParent, kFontName, wxDefaultPosition, wxSize(260, -1));
  fontName_->Append(wxFontEnumerator::GetFacenames());
  // The stored face may be one this system lacks (the default is a Windows
  // face); offer it anyway, so OK keeps it and the font fallback prints it.
  const wxString face = ToWx(layout.fontName);
  int selected = wxNOT_FOUND;
  for (unsigned i = 0; i < fontName_->GetCount() && selected == wxNOT_FOUND; ++i) {
    if (!face.empty() && fontName_->GetString(i).StartsWith(face)) selected = static_cast<int>(i);
  }
  if (selected == wxNOT_FOUND) selected = fontName_->Insert(face, 0);
  fontName_->SetSelection(selected);
  fontName_->SetToolTip(Utf8(Tr("フォント名です")));
  fontSize_ = new wxComboBox(fontParent, kFontSize, wxString::Format("%d", layout.fontSize));
  for (std::string_view size : kPrintFontSizes) fontSize_->Append(Utf8(size));
  fontSize_->SetToolTip(Utf8(Tr("フォントサイズです")));
  fontGrid->Add(new wxStaticText(fontParent, wxID_ANY, Utf8(Tr("フォント名(&N)"))),
                wxSizerFlags().CentreVertical());
  fontGrid->Add(fontName_, wxSizerFlags().Expand());
  fontGrid->Add(new wxStaticText(fontParent, wxID_ANY, Utf8(Tr("フォントサイズ (10～500)(&S)"))),
                wxSizerFlags().CentreVertical());
  fontGrid->Add(fontSize_, wxSizerFlags().Expand());
  fontBox->Add(fontGrid, wxSizerFlags().Expand().Border());
  sample_ = new wxStaticText(fontParent, kSample, Utf8("Aaあ123"), wxDefaultPosition,
                             wxSize(-1, 80), wxST_NO_AUTORESIZE);
  sample_->SetToolTip(Utf8(Tr("印刷される文字の見本です")));
  fontBox->Add(sample_, wxSizerFlags().Expand().Border());
  top->Add(fontBox, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT));

  auto* lineBox = new wxStaticBoxSizer(wxVERTICAL, this, Utf8(Tr("ヘッダ･フッタ設定")));
  wxWindow* lineParent = lineBox->GetStaticBox();
  const auto addLine = [&](wxCheckBox*& check, wxTextCtrl*& edit, wxChoice*& pos, bool on,
                           const std::string& text, int position, int checkId, int editId,
                           int codesId, int posId, std::string_view checkLabel,
                           std::string_view posLabel, const Text(&tips)[4]) {
    check = new wxCheckBox(lineParent, checkId, Utf8(checkLabel));
    check->SetValue(on);
    check->SetToolTip(Utf8(tips[0]));
    edit = new wxTextCtrl(lineParent, editId, ToWx(text));
    edit->SetToolTip(Utf8(tips[1]));
    // As narrow as its label lets it be: a fixed width below the theme's
    // padding leaves no room for the label.
    auto* codes =
        new wxButton(lineParent, codesId, ">", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    codes->SetToolTip(Utf8(tips[2]));
    pos = PositionChoice(lineParent, posId, position);
    pos->SetToolTip(Utf8(tips[3]));
    lineBox->Add(check, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP));
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(edit, wxSizerFlags(1).CentreVertical());
    row->Add(codes, wxSizerFlags().CentreVertical().Border(wxLEFT, 2));
    row->Add(new wxStaticText(lineParent, wxID_ANY, Utf8(posLabel)),
             wxSizerFlags().CentreVertical().Border(wxLEFT));
    row->Add(pos, wxSizerFlags().CentreVertical().Border(wxLEFT, 4));
    lineBox->Add(row, wxSizerFlags().Expand().Border());
  };
  addLine(headerCheck_, headerEdit_, headerPos_, layout.header, layout.headerText, layout.headerPos,
          kHeaderCheck, kHeaderEdit, kHeaderCodes, kHeaderPos, Tx("ヘッダを入れる(&H)"),
          Tx("表示位置(&A)"), kHeaderTips);
  addLine(footerCheck_, footerEdit_, footerPos_, layout.footer, layout.footerText, layout.footerPos,
          kFooterCheck, kFooterEdit, kFooterCodes, kFooterPos, Tx("フッタを入れる(&F)"),
          Tx("表示位置(&B)"), kFooterTips);
  top->Add(lineBox, wxSizerFlags().Expand().Border());

  const OkCancelRow buttons = MakeOkCancelRow(
      this, {Utf8("&O K"), Utf8(Tr("現在の内容で印刷レイアウトを設定し終了します"))},
      {Utf8(Tr("キャンセル(&C)")), Utf8(Tr("現在の内容を破棄して設定を終了します"))});
  top->Add(buttons.sizer, wxSizerFlags().Right().Border());
  SetSizerAndFit(top);

  Bind(wxEVT_BUTTON, &PrintLayoutDialog::OnOk, this, wxID_OK);
  Bind(wxEVT_BUTTON, &PrintLayoutDialog::OnCodesButton, this, kHeaderCodes);
  Bind(wxEVT_BUTTON, &PrintLayoutDialog::OnCodesButton, this, kFooterCodes);
  Bind(wxEVT_MENU, &PrintLayoutDialog::OnCode, this, cmd::kLayoutCode1, cmd::kLayoutCode8);
  Bind(
      wxEVT_CHECKBOX, [this](wxCommandEvent&) { EnableLines(); }, kHeaderCheck);
  Bind(
      wxEVT_CHECKBOX, [this](wxCommandEvent&) { EnableLines(); }, kFooterCheck);
  fontName_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { ShowSample(); });
  fontSize_->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent& event) {
    fontSize_->ChangeValue(event.GetString());
    ShowSample();
  });
  fontSize_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { ShowSample(); });
  ShowSample();
  EnableLines();
  CentreOnParent();
}

void PrintLayoutDialog::ShowSample() {
  const int tenths = SampleFontTenths(ParseFontSize(TextFromWx(fontSize_->GetValue())));
  // A sample beyond what the box can show would only show its corner.
  const double points = std::clamp(tenths / 10.0, 1.0, 72.0);
  sample_->SetFont(wxFont(wxFontInfo(points).FaceName(fontName_->GetStringSelection())));
  sample_->Refresh();
}

void PrintLayoutDialog::EnableLines() {
  const bool header = headerCheck_->GetValue();
  headerEdit_->Enable(header);
  FindWindow(kHeaderCodes)->Enable(header);
  headerPos_->Enable(header);
  const bool footer = footerCheck_->GetValue();
  footerEdit_->Enable(footer);
  FindWindow(kFooterCodes)->Enable(footer);
  footerPos_->Enable(footer);
}

bool PrintLayoutDialog::ReadControls() {
  std::int32_t* fields[4] = {&layout_.top, &layout_.left, &layout_.bottom, &layout_.right};
  for (int i = 0; i < 4; ++i) {
    const NumberEntry entry = ParseMargin(TextFromWx(margins_[i]->GetValue()));
    if (!entry.ok()) {
      ThePrompt().Error(this, Utf8(UnsignedEntryMessage(entry, kMarginMin, kMarginMax)));
      margins_[i]->SetFocus();
      margins_[i]->SelectAll();
      return false;
    }
    *fields[i] = entry.value;
  }
  layout_.fontName = TextFromWx(fontName_->GetStringSelection());
  layout_.fontSize = ParseFontSize(TextFromWx(fontSize_->GetValue()));
  layout_.header = headerCheck_->GetValue();
  layout_.headerText = TextFromWx(headerEdit_->GetValue());
  layout_.headerPos = headerPos_->GetSelection();
  layout_.footer = footerCheck_->GetValue();
  layout_.footerText = TextFromWx(footerEdit_->GetValue());
  layout_.footerPos = footerPos_->GetSelection();
  return true;
}

void PrintLayoutDialog::OnOk(wxCommandEvent&) {
  if (ReadControls()) EndModal(wxID_OK);
}

void PrintLayoutDialog::OnCodesButton(wxCommandEvent& event) {
  codesForHeader_ = event.GetId() == kHeaderCodes;
  wxMenu menu;
  for (int i = 0; i < 8; ++i) menu.Append(cmd::kLayoutCode1 + i, Utf8(kCodeMenu[i]));
  auto* button = static_cast<wxWindow*>(event.GetEventObject());
  const wxPoint corner = button->GetPosition() + wxPoint(button->GetSize().GetWidth(), 0);
  button->GetParent()->PopupMenu(&menu, corner);
}

void PrintLayoutDialog::OnCode(wxCommandEvent& event) {
  wxTextCtrl* edit = codesForHeader_ ? headerEdit_ : footerEdit_;
  const std::string text = TextFromWx(edit->GetValue());
  edit->ChangeValue(ToWx(AppendPageTextCode(text, event.GetId() - cmd::kLayoutCode1)));
}

}  // namespace listora
