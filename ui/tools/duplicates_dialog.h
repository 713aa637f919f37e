#pragma once
// The duplicate search: `DuplicateColumnDialog` asks for the column,
// `DuplicateResultDialog` lists the groups found, every other group shaded,
// and lets the user tick items that then become the list's selection.

#include <wx/dialog.h>
#include <wx/listctrl.h>

#include <vector>

#include "core/tools/duplicate_result.h"
#include "core/tools/duplicates.h"
#include "ui/tools/tool_dialog.h"

class wxChoice;
class wxStaticText;

namespace listora {

struct Document;

class DuplicateColumnDialog : public wxDialog {
 public:
  enum : int { kColumnChoice = 1031 };
  DuplicateColumnDialog(wxWindow* parent, const Document& data);
  // The chosen user column, 1-based.
  int Column() const;

 private:
  wxChoice* choice_;
};

class DuplicateResultDialog : public ToolDialog {
 public:
  enum : int {
    kResultList = 1032,
    kRowsLabel = 1033,
    kGroupsLabel = 1034,
    kTickedLabel = 1035,
    kSelectButton = wxID_OK,
    kCloseButton = wxID_CANCEL,
  };
  DuplicateResultDialog(const ToolContext& context, int column, DuplicateGroups groups);

  // Ticks or unticks result row `row`, as a click on its check box does.
  void TickRow(long row, bool ticked);

 private:
  class ResultList;
  void ShowTickedCount();
  void OnSelect(wxCommandEvent& event);

  DuplicateGroups groups_;
  DuplicateTicks ticks_;
  ResultList* list_ = nullptr;
  wxStaticText* ticked_ = nullptr;
};

// Command "重複検索".
void RunDuplicateSearch(const ToolContext& context);

}  // namespace listora
