#pragma once
// Files dropped on the main window. One ".ltb" file (any case) is opened as
// the document; other drops go to the pane under the drop point: the list
// inserts them as items, the text pane takes one file as the memo, the
// image pane ties one picture to the selected items. While a modal dialog or
// a long run's progress dialog is open the main window takes no input, and
// its drop targets refuse every drop as they refuse data of a foreign type.

#include <wx/dnd.h>

#include "ui/panes/pane_set.h"

namespace listora {

enum class DropPane { kNone, kList, kTree, kText, kImage };

class MainWindowDrop : public wxFileDropTarget {
 public:
  // `window` is the window the target is set on: the frame, or a pane that
  // would otherwise take drops for itself. `panes` are the frame's, which
  // outlive the target.
  MainWindowDrop(wxWindow* window, const PaneSet& panes) : window_(window), panes_(panes) {}

  wxDragResult OnEnter(wxCoord x, wxCoord y, wxDragResult def) override;
  wxDragResult OnDragOver(wxCoord x, wxCoord y, wxDragResult def) override;
  bool OnDrop(wxCoord x, wxCoord y) override;
  bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& files) override;

 private:
  wxWindow* window_;
  const PaneSet& panes_;
};

// True for exactly one path whose extension is "ltb" without regard to case.
bool IsSingleDocumentDrop(const wxArrayString& files);

// The visible pane holding `screenPoint`, or the one `window` lies in.
DropPane PaneAt(const PaneSet& panes, const wxPoint& screenPoint);
DropPane PaneOf(const PaneSet& panes, const wxWindow* window);

// What a drop of `files` on `pane` does, once the drop itself has ended.
void DropOnPane(const PaneSet& panes, DropPane pane, const wxArrayString& files);

}  // namespace listora
