#include "ui/app/settings/bars_page.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include "ui/text/text_convert.h"

namespace listora {

namespace {

const char* const kLabels[5] = {" メインツールバー(&M)", " ステータスバー(&S)",
                                " ツリービューツールバー(&T)", " リストビューカラムのアイコン(&C)",
                                " ツリービューアイテムのアイコン(&I)"};
const char* const kTips[5] = {
    "メインツールバーの表示/非表示を設定します", "ステータスバーの表示/非表示を設定します",
    "ツリービューのツールバーの表示/非表示を設定します",
    "カラムのアイコンの表示/非表示を設定します", "ツリービューのアイコンの表示/非表示を設定します"};

}  // namespace

BarsPage::BarsPage(wxWindow* parent) : SettingsPage(parent) {
  wxStaticBoxSizer* frame = PageFrame(this, "バーとアイコンの表示設定");
  wxWindow* box = frame->GetStaticBox();
  auto* bars = new wxStaticBoxSizer(wxVERTICAL, box, Utf8("バーの表示設定"));
  auto* icons = new wxStaticBoxSizer(wxVERTICAL, box, Utf8("アイコンの表示設定"));
  for (int i = 0; i < 5; ++i) {
    wxStaticBoxSizer* group = i < 3 ? bars : icons;
    checks_[i] = new wxCheckBox(group->GetStaticBox(), kMainToolBar + i, Utf8(kLabels[i]));
    checks_[i]->SetToolTip(Utf8(kTips[i]));
    group->Add(checks_[i], wxSizerFlags().Border(wxALL, 3));
  }
  frame->Add(bars, wxSizerFlags().Expand().Border());
  frame->Add(icons, wxSizerFlags().Expand().Border());
}

bool* BarsPage::Field(int i) const {
  bool* fields[5] = {&set_->mainToolBar, &set_->statusBar, &set_->treeToolBar, &set_->columnIcons,
                     &set_->treeIcons};
  return fields[i];
}

void BarsPage::ShowSet(SettingsSet& set, StyledPane) {
  set_ = &set;
  for (int i = 0; i < 5; ++i) checks_[i]->SetValue(*Field(i));
}

bool BarsPage::StoreSet() {
  if (!set_) return true;
  for (int i = 0; i < 5; ++i) *Field(i) = checks_[i]->GetValue();
  return true;
}

}  // namespace listora
