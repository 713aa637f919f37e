#pragma once
// `ListoraView`: the list view of the document template. It binds the open
// document to the panes the main frame hands it (the list control shows the
// item table, the text and image panes follow its current item) and redraws
// them from the document's hints. What the user does in a pane goes to the
// document's edit methods; the list's commands are in list_commands.h.

#include <wx/docview.h>
#include <wx/weakref.h>

#include <vector>

#include "ui/frame/main_frame.h"
#include "ui/panes/pane_events.h"
#include "ui/panes/pane_set.h"

class wxListEvent;

namespace listora {

class ListoraDoc;
class DocHint;
class ItemListCtrl;

class ListoraView : public wxView {
 public:
  // The frame whose panes show the document; it may go before the view.
  explicit ListoraView(MainFrame& frame);

  bool OnCreate(wxDocument* doc, long flags) override;
  void OnDraw(wxDC* dc) override;
  // The table as printed and previewed by the print commands.
  wxPrintout* OnCreatePrintout() override;
  void OnUpdate(wxView* sender, wxObject* hint) override;
  bool OnClose(bool deleteWindow) override;
  // The window title: the document's name, " - Listora", and a "*" while
  // the document is modified.
  void OnChangeFilename() override;

 private:
  ListoraDoc* Doc() const;
  MainFrame* Frame() const;
  ItemListCtrl* List() const;
  // The frame's panes; none once the frame has gone.
  PaneSet PaneWindows() const;
  // The document the panes edit; null detaches them.
  void AttachPanes(ListoraDoc* doc);

  void InitialUpdate();
  void ShowColumns();
  void ShowCounts();
  void ShowItem(long row);
  void ShowFocusedItem();
  void ShowSearchHistory();
  void ShowRows(const DocHint& hint);

  void OnItemFocused(wxListEvent& event);
  void OnSelectionChanged(wxCommandEvent& event);
  void OnListKey(wxListEvent& event);
  void OnColumnClick(wxListEvent& event);
  void OnCellEdited(wxListEvent& event);
  void OnRowsDropped(wxCommandEvent& event);
  void OnColumnsArranged(wxCommandEvent& event);
  void OnHistoryEntryRemoved(wxCommandEvent& event);
  // What the user did in the tree, text and image panes.
  void OnMemoTyped(PaneEvent& event);
  void OnImageChosen(PaneEvent& event);
  void OnImageFitChosen(PaneEvent& event);
  void OnTreeSearch(PaneEvent& event);
  // Binds (or unbinds) the panes' events to this view.
  void ListenToPanes(bool listen);

  wxWeakRef<MainFrame> frame_;

  wxDECLARE_CLASS(ListoraView);
};

}  // namespace listora
