#pragma once
// The start-up page: how the main window opens at the next start. It has
// the default set only.

#include <functional>

#include "ui/app/settings/settings_page.h"

class wxRadioButton;
class wxTextCtrl;

namespace listora {

class StartupPage : public SettingsPage {
 public:
  enum : int {
    kMaximised = 1036,
    kLastExit = 1037,
    kGiven = 1038,
    kLeft = 1039,
    kTop = 1040,
    kWidth = 1041,
    kCurrentButton = 1042,
    kHeight = 1043,
  };

  // `currentRect` gives the main window's left, top, width and height now.
  StartupPage(wxWindow* parent, StartupSettings& values,
              std::function<void(std::int32_t (&)[4])> currentRect);

  void ShowSet(SettingsSet& set, StyledPane pane) override;
  bool StoreSet() override;

 private:
  void EnableGiven();

  StartupSettings& values_;
  std::function<void(std::int32_t (&)[4])> currentRect_;
  wxRadioButton* modes_[3] = {};
  wxTextCtrl* fields_[4] = {};  // left, top, width, height
};

}  // namespace listora
