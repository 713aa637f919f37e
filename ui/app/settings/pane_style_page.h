#pragma once
// The pane style page of the list, tree and text panes ("リストビュー",
// "ツリービュー", "テキストビュー"): font, size, colours and
// (list only) the number of columns.

#include "ui/app/settings/settings_page.h"

class wxChoice;
class wxComboBox;
class wxStaticBoxSizer;
class wxWindow;

namespace listora {

class PaneStylePage : public SettingsPage {
 public:
  enum : int {
    kFontName = 1044,
    kFontSize = 1046,
    kBackSample = 1047,
    kBackButton = 1048,
    kTextButton = 1049,
    kTextSample = 1050,
    kColumnCount = 1052,
  };

  explicit PaneStylePage(wxWindow* parent);

  void ShowSet(SettingsSet& set, StyledPane pane) override;
  bool StoreSet() override;

 private:
  PaneStyle& Style() const;
  void ChooseColour(bool background);
  void PaintSamples();

  SettingsSet* set_ = nullptr;
  StyledPane pane_ = StyledPane::kList;
  wxStaticBoxSizer* frame_ = nullptr;
  wxChoice* fontName_ = nullptr;
  wxComboBox* fontSize_ = nullptr;
  wxWindow* backSample_ = nullptr;
  wxWindow* textSample_ = nullptr;
  wxWindow* columnsBox_ = nullptr;
  wxChoice* columns_ = nullptr;
};

}  // namespace listora
