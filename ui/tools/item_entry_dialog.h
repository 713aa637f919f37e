#pragma once
// `ItemEntryDialog`: adds items at the end of the table, or rewrites the
// selected items one after another. Fields are typed one column at a time
// or all at once on one line separated by "/"; each item may get an image.

#include <wx/dialog.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/tools/item_entry.h"
#include "ui/tools/tool_dialog.h"

class wxCheckBox;
class wxChoice;
class wxRadioButton;
class wxStaticText;
class wxTextCtrl;

namespace listora {

class ItemEntryDialog : public ToolDialog {
 public:
  // Control IDs, for the tests.
  enum : int {
    kSingleRadio = 1005,
    kBulkRadio = 1006,
    kColumnChoice = 1007,
    kFieldEdit = 1008,
    kBulkEdit = 1009,
    kContinueCheck = 1010,
    kNameLine = 1011,
    kCountLine = 1012,
    kImageEdit = 1131,
    kImageButton = 1132,
  };

  // Add mode without rows; modify mode walks `rows` (ascending).
  ItemEntryDialog(const ToolContext& context, std::vector<int> rows);

 private:
  bool Modifying() const { return walk_.has_value(); }
  int Columns() const { return static_cast<int>(values_.size()); }
  void CreateControls();
  void LoadCurrentItem();
  void ClearEntry();
  void ShowMethod();
  void StoreField();

  void OnColumnChosen(wxCommandEvent& event);
  void OnMethod(wxCommandEvent& event);
  void OnBulkText(wxCommandEvent& event);
  void OnChooseImage(wxCommandEvent& event);
  void OnOk(wxCommandEvent& event);

  std::optional<SelectionWalk> walk_;
  // The items one dialog rewrites are one step.
  std::uint64_t mergeKey_;
  std::vector<std::string> values_;  // CP932, index 0 = column 1
  int current_ = 0;                  // index into values_
  std::string previousBulk_;         // CP932
  std::string loadedImage_;          // CP932: the item's path when loaded

  wxRadioButton* single_ = nullptr;
  wxRadioButton* bulk_ = nullptr;
  wxChoice* columnChoice_ = nullptr;
  wxTextCtrl* field_ = nullptr;
  wxTextCtrl* bulkText_ = nullptr;
  wxStaticText* countLine_ = nullptr;
  wxTextCtrl* image_ = nullptr;
  wxCheckBox* continue_ = nullptr;
};

// Commands "アイテムの追加" and "アイテムの修正" (nothing without a selection).
void RunAddItem(const ToolContext& context);
void RunModifyItems(const ToolContext& context);

}  // namespace listora
