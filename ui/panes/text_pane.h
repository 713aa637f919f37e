#pragma once
// `TextPane`: the text pane. It shows the memo of the list's current
// item and reports every edit the user makes for that item to the view
// (EVT_PANE_MEMO, ui/panes/pane_events.h).

#include <wx/textctrl.h>

#include <string>
#include <string_view>

#include "core/doc/document_settings.h"

namespace listora {

class ItemListCtrl;
class ListoraDoc;

class TextPane : public wxTextCtrl {
 public:
  // `list`: the list pane, whose selection decides whether an edit is
  // stored.
  TextPane(wxWindow* parent, const ItemListCtrl& list);

  // The document shown; null for none.
  void Attach(ListoraDoc* doc) { doc_ = doc; }

  void ApplyStyle(const StoredPaneStyle& style);
  // The memo of `row` (CP932); row -1 with an empty memo clears the pane.
  // Showing is not an edit: nothing is stored. Showing what the pane holds
  // already leaves it (and the caret) alone.
  void ShowMemo(int row, std::string_view memo);
  int CurrentRow() const { return row_; }

  // A file dropped on the pane (at least one item selected): its bytes
  // become the memo of the current item. A file too large to be a memo is
  // refused with a message, an unreadable one silently. True when the memo
  // was stored.
  bool DropFile(const wxString& path);

 private:
  void OnTextChanged(wxCommandEvent& event);
  // The change handling: with exactly one item selected, the memo of the
  // current row becomes `memo`, its icon index follows and the document is
  // marked modified. When the row no longer holds the memo the pane showed
  // (the rows were sorted, moved or changed elsewhere since), nothing is
  // stored and the pane shows the row's memo instead, so an edit never
  // lands in an item other than the one it was made on.
  bool StoreMemo(const std::string& memo);

  const ItemListCtrl& list_;
  ListoraDoc* doc_ = nullptr;
  int row_ = -1;
  std::string shownMemo_;  // CP932: what row_ held when last shown or stored
};

}  // namespace listora
