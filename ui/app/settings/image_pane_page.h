#pragma once
// The image pane's page ("イメージビュー"): background colour and how images
// are fitted.

#include "ui/app/settings/settings_page.h"

class wxChoice;

namespace listora {

class ImagePanePage : public SettingsPage {
 public:
  enum : int { kColourButton = 1054, kSample = 1055, kFit = 1057 };

  explicit ImagePanePage(wxWindow* parent);

  void ShowSet(SettingsSet& set, StyledPane pane) override;
  bool StoreSet() override;

 private:
  SettingsSet* set_ = nullptr;
  wxWindow* sample_ = nullptr;
  wxChoice* fit_ = nullptr;
};

}  // namespace listora
