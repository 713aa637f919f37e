#pragma once
// What the user does in the tree, text and image panes, reported to the
// view as events, as the list reports its own; the view makes the change
// through the document's edit methods. The panes send them with
// ProcessWindowEvent, so the change is made when the call returns.
//
// - EVT_PANE_MEMO (int: row; text: the memo): a memo typed or dropped;
// - EVT_PANE_IMAGE (rows; text: the picture's path): a picture chosen or
//   dropped for the selected rows; the handler sets `text` to the path as
//   stored and `done`;
// - EVT_PANE_IMAGE_FIT (int: 1 fit to the pane, 0 actual size);
// - EVT_PANE_TREE_SEARCH (text: a node's text): the list search for it.

#include <wx/event.h>

#include <string>
#include <vector>

namespace listora {

class PaneEvent : public wxCommandEvent {
 public:
  PaneEvent(wxEventType type, int id) : wxCommandEvent(type, id) {}
  wxEvent* Clone() const override { return new PaneEvent(*this); }

  std::string text;  // CP932
  std::vector<int> rows;
  bool done = false;
};

wxDECLARE_EVENT(EVT_PANE_MEMO, PaneEvent);
wxDECLARE_EVENT(EVT_PANE_IMAGE, PaneEvent);
wxDECLARE_EVENT(EVT_PANE_IMAGE_FIT, PaneEvent);
wxDECLARE_EVENT(EVT_PANE_TREE_SEARCH, PaneEvent);

}  // namespace listora
