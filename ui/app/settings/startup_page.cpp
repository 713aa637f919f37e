#include "ui/app/settings/startup_page.h"

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <limits>

#include "core/app/window_placement.h"
#include "core/base/number_entry.h"
#include "core/base/translation.h"
#include "ui/base/prompt.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

constexpr Text kModeLabels[3] = {Tx("最大化で起動(&M)"), Tx("終了時の位置とサイズで起動(&F)"),
                                 Tx("指定の位置とサイズ(&S)")};
constexpr Text kModeTips[3] = {Tx("最大化の状態で起動する場合に選択してください"),
                               Tx("終了時の位置とサイズで起動する場合に選択してください"),
                               Tx("指定の位置とサイズで起動する場合に選択してください")};
const int kFieldIds[4] = {StartupPage::kLeft, StartupPage::kTop, StartupPage::kWidth,
                          StartupPage::kHeight};
constexpr Text kFieldLabels[4] = {Tx("&X座標"), Tx("&Y座標"), Tx("幅(&W)"), Tx("高さ(&H)")};
constexpr Text kFieldTips[4] = {Tx("ウインドウの左上のX座標を入力してください"),
                                Tx("ウインドウの左上のY座標を入力してください"),
                                Tx("ウインドウの幅を入力してください"),
                                Tx("ウインドウの高さを入力してください")};

}  // namespace

StartupPage::StartupPage(wxWindow* parent, StartupSettings& values,
                         std::function<void(std::int32_t (&)[4])> currentRect)
    : SettingsPage(parent), values_(values), currentRect_(std::move(currentRect)) {
  wxStaticBoxSizer* frame = PageFrame(this, Tx("起動時の位置とサイズ"));
  wxWindow* box = frame->GetStaticBox();
  for (int i = 0; i < 3; ++i) {
    modes_[i] = new wxRadioButton(box, kMaximised + i, Utf8(kModeLabels[i]), wxDefaultPosition,
                                  wxDefaultSize, i == 0 ? wxRB_GROUP : 0);
    modes_[i]->SetToolTip(Utf8(kModeTips[i]));
    frame->Add(modes_[i], wxSizerFlags().Border(wxALL, 3));
  }
  const auto group = [&](std::string_view title, int first) {
    auto* sizer = new wxStaticBoxSizer(wxHORIZONTAL, box, Utf8(title));
    for (int i = first; i < first + 2; ++i) {
      sizer->Add(new wxStaticText(sizer->GetStaticBox(), wxID_ANY, Utf8(kFieldLabels[i])),
                 wxSizerFlags().CentreVertical().Border(wxLEFT | wxRIGHT));
      fields_[i] = new wxTextCtrl(sizer->GetStaticBox(), kFieldIds[i], "", wxDefaultPosition,
                                  wxSize(70, -1));
      fields_[i]->SetToolTip(Utf8(kFieldTips[i]));
      sizer->Add(fields_[i]);
    }
    frame->Add(sizer, wxSizerFlags().Expand().Border());
  };
  group(Tx("起動位置(左上の座標)"), 0);
  group(Tx("起動サイズ"), 2);
  auto* current = new wxButton(box, kCurrentButton, Utf8(Tr("現在の位置とサイズを取得(&G)")));
  current->SetToolTip(Utf8(Tr("現在の位置とサイズを取得します")));
  frame->Add(current, wxSizerFlags().Border());

  Bind(
      wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { EnableGiven(); }, kMaximised, kGiven);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        std::int32_t rect[4] = {0, 0, 0, 0};
        currentRect_(rect);
        for (int i = 0; i < 4; ++i) fields_[i]->ChangeValue(wxString::Format("%d", rect[i]));
      },
      kCurrentButton);
}

void StartupPage::ShowSet(SettingsSet&, StyledPane) {
  modes_[std::clamp(values_.mode, 0, 2)]->SetValue(true);
  const std::int32_t numbers[4] = {values_.left, values_.top, values_.width, values_.height};
  for (int i = 0; i < 4; ++i) fields_[i]->ChangeValue(wxString::Format("%d", numbers[i]));
  EnableGiven();
}

bool StartupPage::StoreSet() {
  std::int32_t numbers[4] = {};
  for (int i = 0; i < 4; ++i) {
    const std::string text = TextFromWx(fields_[i]->GetValue());
    // Position may be negative (a screen left of the first); sizes may not.
    // Neither goes beyond what the window system addresses.
    constexpr std::int32_t kMax = kMaxWindowExtent;
    const NumberEntry entry =
        i < 2 ? ParseSignedEntry(text, -kMax, kMax) : ParseUnsignedEntry(text, 0, kMax);
    if (!entry.ok()) {
      ThePrompt().Error(this, Utf8(i < 2 ? SignedEntryMessage(entry, -kMax, kMax)
                                         : UnsignedEntryMessage(entry, 0, kMax)));
      fields_[i]->SetFocus();
      return false;
    }
    numbers[i] = entry.value;
  }
  for (int i = 0; i < 3; ++i) {
    if (modes_[i]->GetValue()) values_.mode = i;
  }
  values_.left = numbers[0];
  values_.top = numbers[1];
  values_.width = numbers[2];
  values_.height = numbers[3];
  return true;
}

void StartupPage::EnableGiven() {
  const bool given = modes_[2]->GetValue();
  for (wxTextCtrl* field : fields_) field->Enable(given);
  FindWindow(kCurrentButton)->Enable(given);
}

}  // namespace listora
