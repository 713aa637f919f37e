#pragma once
// The image path page: how image paths are stored (full, or by file name
// under the document's or the program's folder), the sub-path below that
// folder and whether images are copied there, with an example.

#include <filesystem>

#include "ui/app/settings/settings_page.h"

class wxCheckBox;
class wxRadioButton;
class wxStaticText;
class wxTextCtrl;

namespace listora {

class ImagePathPage : public SettingsPage {
 public:
  enum : int {
    kFullPath = 1120,
    kDocumentBased = 1121,
    kProgramBased = 1122,
    kSubPath = 1123,
    kExample = 1124,
    kCopy = 1125,
  };

  ImagePathPage(wxWindow* parent, std::filesystem::path documentFile,
                std::filesystem::path executableDir);

  void ShowSet(SettingsSet& set, StyledPane pane) override;
  bool StoreSet() override;

 private:
  int Mode() const;
  void Renew();

  std::filesystem::path documentFile_;
  std::filesystem::path executableDir_;
  SettingsSet* set_ = nullptr;
  wxRadioButton* modes_[3] = {};
  wxTextCtrl* subPath_ = nullptr;
  wxCheckBox* copy_ = nullptr;
  wxStaticText* example_ = nullptr;
};

}  // namespace listora
