#pragma once
// The system page: the ".ltb" file type and the shortcuts on this desktop,
// which take effect when their buttons are pressed, and the two protection
// options, which the settings dialog stores.

#include "ui/app/settings/settings_page.h"

class wxCheckBox;
class wxRadioButton;

namespace listora {

struct DesktopPaths;

class SystemPage : public SettingsPage {
 public:
  enum : int {
    kAssociate = 1105,
    kDissociate = 1106,
    kApply = 1107,
    kDesktop = 1108,
    kSendTo = 1109,
    kCreate = 1110,
    kDelete = 1111,
    kPassword = 1112,
    kEncrypt = 1113,
  };

  SystemPage(wxWindow* parent, ProtectionSettings& values);

  void ShowSet(SettingsSet& set, StyledPane pane) override;
  bool StoreSet() override;

 private:
  void OnApply(wxCommandEvent& event);
  void OnCreate(wxCommandEvent& event);
  void OnDelete(wxCommandEvent& event);
  void OnProtection(wxCommandEvent& event);

  ProtectionSettings& values_;
  wxRadioButton* associate_ = nullptr;
  wxCheckBox* desktop_ = nullptr;
  wxCheckBox* sendTo_ = nullptr;
  wxCheckBox* password_ = nullptr;
  wxCheckBox* encrypt_ = nullptr;
};

// This user's desktop places, for the running program.
DesktopPaths CurrentDesktopPaths();

}  // namespace listora
