#include "ui/app/settings/bars_page.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include "core/base/translation.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

constexpr Text kLabels[5] = {
    Tx(" メインツールバー(&M)"), Tx(" ステータスバー(&S)"), Tx(" ツリービューツールバー(&T)"),
    Tx(" リストビューカラムのアイコン(&C)"), Tx(" ツリービューアイテムのアイコン(&I)")};
constexpr Text kTips[5] = {Tx("メインツールバーの表示/非表示を設定します"),
                           Tx("ステータスバーの表示/非表示を設定します"),
                           Tx("ツリービューのツールバーの表示/非表示を設定します"),
                           Tx("カラムのアイコンの表示/非表示を設定します"),
                           Tx("ツリービューのアイコンの表示/非表示を設定します")};

}  // namespace

BarsPage::BarsPage(wxWindow* parent) : SettingsPage(parent) {
  wxStaticBoxSizer* frame = PageFrame(this, Tx("バーとアイコンの表示設定"));
  wxWindow* box = frame->GetStaticBox();
  auto* bars = new wxStaticBoxSizer(wxVERTICAL, box, Utf8(Tr("バーの表示設定")));
  auto* icons = new wxStaticBoxSizer(wxVERTICAL, box, Utf8(Tr("アイコンの表示設定")));
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
