#pragma once
// The visibility page: which panes are shown and where the splitters sit.

#include <functional>

#include "ui/app/settings/settings_page.h"

class wxCheckBox;
class wxTextCtrl;

namespace listora {

class VisibilityPage : public SettingsPage {
 public:
  enum : int {
    kListCheck = 1058,  // to kImageCheck
    kImageCheck = 1061,
    kSplit1 = 1062,
    kSplit2 = 1063,
    kSplit3 = 1064,
    kCurrentButton = 1065,
  };

  // `currentSplits` gives the splitter positions now (hundredths of a
  // percent), for "現在の位置を取得".
  VisibilityPage(wxWindow* parent, std::function<void(std::int32_t (&)[3])> currentSplits);

  void ShowSet(SettingsSet& set, StyledPane pane) override;
  bool StoreSet() override;

 private:
  void OnCheck(wxCommandEvent& event);

  SettingsSet* set_ = nullptr;
  std::function<void(std::int32_t (&)[3])> currentSplits_;
  wxCheckBox* checks_[4] = {};
  wxTextCtrl* splits_[3] = {};
};

}  // namespace listora
