#include "ui/app/settings/visibility_page.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

#include "core/base/number_entry.h"
#include "ui/base/messages.h"
#include "ui/base/prompt.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

constexpr std::int32_t kSplitMax = 10000;

constexpr Text kCheckLabels[4] = {Tx("リストビュー(&L)"), Tx("ツリービュー(&T)"),
                                  Tx("テキストビュー(&X)"), Tx("イメージビュー(&I)")};
constexpr Text kCheckTips[4] = {
    Tx("リストビューの表示/非表示を設定します"), Tx("ツリービューの表示/非表示を設定します"),
    Tx("テキストビューの表示/非表示を設定します"), Tx("イメージビューの表示/非表示を設定します")};
constexpr Text kSplitLabels[3] = {Tx("スプリット&1\t左から"), Tx("スプリット&2\t上から"),
                                  Tx("スプリット&3\t上から")};
constexpr Text kSplitTips[3] = {Tx("リストビュー・テキストビューの幅と同じです"),
                                Tx("リストビューの高さと同じです"),
                                Tx("ツリービューの高さと同じです")};

}  // namespace

VisibilityPage::VisibilityPage(wxWindow* parent,
                               std::function<void(std::int32_t (&)[3])> currentSplits)
    : SettingsPage(parent), currentSplits_(std::move(currentSplits)) {
  wxStaticBoxSizer* frame = PageFrame(this, Tx("ビューの表示と分割位置"));
  wxWindow* box = frame->GetStaticBox();
  auto* shown = new wxStaticBoxSizer(wxVERTICAL, box, Utf8(Tr("表示設定")));
  for (int i = 0; i < 4; ++i) {
    checks_[i] = new wxCheckBox(shown->GetStaticBox(), kListCheck + i, Utf8(kCheckLabels[i]));
    checks_[i]->SetToolTip(Utf8(kCheckTips[i]));
    shown->Add(checks_[i], wxSizerFlags().Border(wxALL, 3));
  }
  frame->Add(shown, wxSizerFlags().Expand().Border());

  auto* splitFrame = new wxStaticBoxSizer(wxVERTICAL, box, Utf8(Tr("分割位置")));
  wxWindow* splitBox = splitFrame->GetStaticBox();
  auto* grid = new wxFlexGridSizer(3, wxSize(6, 4));
  for (int i = 0; i < 3; ++i) {
    // The label's tab separates its two parts; a static text shows it as space.
    wxString label = Utf8(kSplitLabels[i]);
    label.Replace("\t", "  ");
    grid->Add(new wxStaticText(splitBox, wxID_ANY, label), wxSizerFlags().CentreVertical());
    splits_[i] = new wxTextCtrl(splitBox, kSplit1 + i, "", wxDefaultPosition, wxSize(80, -1),
                                wxTE_PROCESS_ENTER);
    splits_[i]->SetToolTip(Utf8(kSplitTips[i]));
    // Enter is swallowed by the page instead of closing the dialog.
    splits_[i]->Bind(wxEVT_TEXT_ENTER, [](wxCommandEvent&) {});
    grid->Add(splits_[i]);
    grid->Add(new wxStaticText(splitBox, wxID_ANY, Utf8(Tr("％"))),
              wxSizerFlags().CentreVertical());
  }
  splitFrame->Add(grid, wxSizerFlags().Border());
  auto* current = new wxButton(splitBox, kCurrentButton, Utf8(Tr("現在の位置を取得(&G)")));
  current->SetToolTip(Utf8(Tr("現在の分割位置を取得します")));
  splitFrame->Add(current, wxSizerFlags().Border());
  frame->Add(splitFrame, wxSizerFlags().Expand().Border());

  Bind(wxEVT_CHECKBOX, &VisibilityPage::OnCheck, this, kListCheck, kImageCheck);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        std::int32_t now[3] = {0, 0, 0};
        currentSplits_(now);
        for (int i = 0; i < 3; ++i) splits_[i]->ChangeValue(wxString::Format("%d", now[i] / 100));
      },
      kCurrentButton);
}

void VisibilityPage::ShowSet(SettingsSet& set, StyledPane) {
  set_ = &set;
  const bool flags[4] = {set.showList, set.showTree, set.showText, set.showImage};
  for (int i = 0; i < 4; ++i) checks_[i]->SetValue(flags[i]);
  const std::int32_t splits[3] = {set.split1, set.split2, set.split3};
  for (int i = 0; i < 3; ++i) splits_[i]->ChangeValue(wxString::Format("%d", splits[i] / 100));
}

bool VisibilityPage::StoreSet() {
  if (!set_) return true;
  std::int32_t values[3] = {};
  for (int i = 0; i < 3; ++i) {
    const NumberEntry entry = ParseUnsignedEntry(TextFromWx(splits_[i]->GetValue()), 0, kSplitMax);
    if (!entry.ok()) {
      ThePrompt().Error(this, Utf8(UnsignedEntryMessage(entry, 0, kSplitMax)));
      splits_[i]->SetFocus();
      return false;
    }
    values[i] = entry.value;
  }
  set_->showList = checks_[0]->GetValue();
  set_->showTree = checks_[1]->GetValue();
  set_->showText = checks_[2]->GetValue();
  set_->showImage = checks_[3]->GetValue();
  set_->split1 = values[0] * 100;
  set_->split2 = values[1] * 100;
  set_->split3 = values[2] * 100;
  return true;
}

void VisibilityPage::OnCheck(wxCommandEvent& event) {
  if (std::none_of(std::begin(checks_), std::end(checks_),
                   [](wxCheckBox* check) { return check->GetValue(); })) {
    static_cast<wxCheckBox*>(FindWindow(event.GetId()))->SetValue(true);
    ThePrompt().Error(this, Utf8(msg::kCannotHideEveryPane));
  }
}

}  // namespace listora
