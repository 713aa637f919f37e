#pragma once
// `FindReplaceDialog`: walks the table cell by cell, shows each match as the
// list's highlighted cell, and replaces in one cell or in all of them.

#include <wx/dialog.h>

#include "core/tools/find_replace.h"
#include "ui/tools/tool_dialog.h"

class wxButton;
class wxCheckBox;
class wxRadioButton;
class wxTextCtrl;

namespace listora {

class FindReplaceDialog : public ToolDialog {
 public:
  enum : int {
    kFromTopButton = 1073,
    kNextButton = 1074,
    kReplaceNextButton = 1075,
    kReplaceAllButton = 1076,
    kCaseCheck = 1077,
    kUpRadio = 1078,
    kDownRadio = 1079,
    kFindEdit = 1080,
    kReplaceEdit = 1081,
  };

  explicit FindReplaceDialog(const ToolContext& context);

 private:
  void CreateControls();
  FindReplaceOptions ReadOptions() const;
  void EnableButtons();
  // After a find step: the match highlighted, or the end reported.
  void ShowStep(const FindStepResult& result);
  void ClearListSelection();

  void OnFindText(wxCommandEvent& event);
  void OnFromTop(wxCommandEvent& event);
  void OnNext(wxCommandEvent& event);
  void OnReplaceNext(wxCommandEvent& event);
  void OnReplaceAll(wxCommandEvent& event);

  FindReplaceSession session_;
  wxTextCtrl* find_ = nullptr;
  wxTextCtrl* replace_ = nullptr;
  wxCheckBox* matchCase_ = nullptr;
  wxRadioButton* up_ = nullptr;
  wxRadioButton* down_ = nullptr;
  wxButton* buttons_[4] = {};
};

// Command "検索と置換".
void RunFindReplace(const ToolContext& context);

}  // namespace listora
