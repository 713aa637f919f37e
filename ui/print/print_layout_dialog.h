#pragma once
// The print layout dialog: margins, print font and size, header and footer
// with their placeholder codes and positions. It edits a copy of the layout;
// the caller stores and writes it when the dialog ends with OK.

#include <wx/dialog.h>

#include "core/print/print_layout.h"

class wxCheckBox;
class wxChoice;
class wxComboBox;
class wxStaticText;
class wxTextCtrl;

namespace listora {

class PrintLayoutDialog : public wxDialog {
 public:
  // Control IDs, kept from the dialog's resource.
  enum : int {
    kTopEdit = 1082,  // to kRightEdit: top, left, bottom, right
    kRightEdit = 1085,
    kTopSpin = 1086,  // to 1089
    kFontName = 1090,
    kFontSize = 1091,
    kSample = 1092,
    kHeaderCheck = 1093,
    kHeaderEdit = 1094,
    kHeaderCodes = 1095,
    kFooterCodes = 1096,
    kHeaderPos = 1097,
    kFooterCheck = 1098,
    kFooterEdit = 1099,
    kFooterPos = 1100,
  };

  PrintLayoutDialog(wxWindow* parent, const PrintLayout& layout);

  // The edited layout; valid once the dialog ended with OK.
  const PrintLayout& Layout() const { return layout_; }

 private:
  void ShowSample();
  void EnableLines();
  // Reads and checks the controls into layout_; false (after telling the
  // user) when a margin is refused.
  bool ReadControls();
  void OnOk(wxCommandEvent& event);
  void OnCodesButton(wxCommandEvent& event);
  void OnCode(wxCommandEvent& event);

  PrintLayout layout_;
  wxTextCtrl* margins_[4] = {};
  wxChoice* fontName_ = nullptr;
  wxComboBox* fontSize_ = nullptr;
  wxStaticText* sample_ = nullptr;
  wxCheckBox* headerCheck_ = nullptr;
  wxTextCtrl* headerEdit_ = nullptr;
  wxChoice* headerPos_ = nullptr;
  wxCheckBox* footerCheck_ = nullptr;
  wxTextCtrl* footerEdit_ = nullptr;
  wxChoice* footerPos_ = nullptr;
  bool codesForHeader_ = true;
};

}  // namespace listora
