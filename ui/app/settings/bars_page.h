#pragma once
// The bars page: which bars are shown and whether columns and tree items
// show icons.

#include "ui/app/settings/settings_page.h"

class wxCheckBox;

namespace listora {

class BarsPage : public SettingsPage {
 public:
  enum : int { kMainToolBar = 1066, kStatusBar, kTreeToolBar, kColumnIcons, kTreeIcons };

  explicit BarsPage(wxWindow* parent);

  void ShowSet(SettingsSet& set, StyledPane pane) override;
  bool StoreSet() override;

 private:
  bool* Field(int i) const;

  SettingsSet* set_ = nullptr;
  wxCheckBox* checks_[5] = {};
};

}  // namespace listora
