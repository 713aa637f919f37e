#pragma once
// `ColumnSettingsDialog`: names, widths and right alignment of every user
// column, edited in one run; nothing changes before "設　定".

#include <wx/dialog.h>

#include <vector>

#include "core/doc/columns.h"
#include "ui/tools/tool_context.h"

class wxCheckBox;
class wxChoice;
class wxStaticBox;
class wxTextCtrl;

namespace listora {

class ColumnSettingsDialog : public wxDialog {
 public:
  enum : int {
    kColumnChoice = 1013,
    kNameEdit = 1014,
    kWidthEdit = 1015,
    kRightCheck = 1016,
    kFrame = 1017,
  };
  // `columns`: user columns 1..N as the dialog opens.
  ColumnSettingsDialog(wxWindow* parent, std::vector<ColumnSetting> columns);

  const std::vector<ColumnSetting>& Columns() const { return working_; }

 private:
  void ShowColumn();
  void AlignName();
  // The controls into the working copy; false (after the message) when the
  // width is no unsigned number.
  bool StoreColumn();

  void OnColumnChosen(wxCommandEvent& event);
  void OnRightAligned(wxCommandEvent& event);
  void OnOk(wxCommandEvent& event);
  void OnCancel(wxCommandEvent& event);

  std::vector<ColumnSetting> working_;
  std::vector<std::string> openingNames_;
  int current_ = 0;  // index into working_
  wxChoice* choice_ = nullptr;
  wxStaticBox* frame_ = nullptr;
  wxTextCtrl* name_ = nullptr;
  wxTextCtrl* width_ = nullptr;
  wxCheckBox* right_ = nullptr;
};

// Command "カラムの設定".
void RunColumnSettings(const ToolContext& context);

}  // namespace listora
