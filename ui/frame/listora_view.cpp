#include "ui/frame/listora_view.h"

#include "core/tools/image_paths.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/list_commands.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/image_pane.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/text_pane.h"
#include "ui/panes/tree_pane.h"
#include "ui/print/print_commands.h"
#include "ui/print/table_printout.h"
#include "ui/text/text_convert.h"

namespace listora {

wxIMPLEMENT_CLASS(ListoraView, wxView);

ListoraView::ListoraView(MainFrame& frame) : frame_(&frame) {}

ListoraDoc* ListoraView::Doc() const { return static_cast<ListoraDoc*>(GetDocument()); }
MainFrame* ListoraView::Frame() const { return frame_.get(); }

PaneSet ListoraView::PaneWindows() const {
  const MainFrame* frame = Frame();
  return frame ? frame->PaneWindows() : PaneSet{};
}

ItemListCtrl* ListoraView::List() const { return PaneWindows().list; }

void ListoraView::AttachPanes(ListoraDoc* doc) {
  const PaneSet panes = PaneWindows();
  if (panes.list) panes.list->Attach(doc ? &doc->Data() : nullptr);
  if (panes.tree) panes.tree->Attach(doc);
  if (panes.text) panes.text->Attach(doc);
  if (panes.image) panes.image->Attach(doc);
}

bool ListoraView::OnCreate(wxDocument* doc, long) {
  MainFrame* frame = Frame();
  ItemListCtrl* list = List();
  if (!frame || !list) return false;
  SetFrame(frame);
  AttachPanes(static_cast<ListoraDoc*>(doc));
  static_cast<ListoraDoc*>(doc)->SetEditCommitter([this] {
    if (ItemListCtrl* list = List()) list->EndCellEdit(false);
  });
  list->Bind(wxEVT_LIST_ITEM_FOCUSED, &ListoraView::OnItemFocused, this);
  list->Bind(EVT_ITEM_LIST_SELECTION, &ListoraView::OnSelectionChanged, this);
  list->Bind(wxEVT_LIST_KEY_DOWN, &ListoraView::OnListKey, this);
  list->Bind(wxEVT_LIST_COL_CLICK, &ListoraView::OnColumnClick, this);
  list->Bind(wxEVT_LIST_END_LABEL_EDIT, &ListoraView::OnCellEdited, this);
  list->Bind(EVT_ITEM_LIST_DROP, &ListoraView::OnRowsDropped, this);
  list->Bind(EVT_ITEM_LIST_COLUMNS, &ListoraView::OnColumnsArranged, this);
  frame->SearchField()->Bind(EVT_SEARCH_HISTORY_REMOVED, &ListoraView::OnHistoryEntryRemoved, this);
  ListenToPanes(true);
  Activate(true);
  return true;
}

bool ListoraView::OnClose(bool deleteWindow) {
  if (!wxView::OnClose(deleteWindow)) return false;
  Activate(false);
  if (ItemListCtrl* list = List()) {
    list->Unbind(wxEVT_LIST_ITEM_FOCUSED, &ListoraView::OnItemFocused, this);
    list->Unbind(EVT_ITEM_LIST_SELECTION, &ListoraView::OnSelectionChanged, this);
    list->Unbind(wxEVT_LIST_KEY_DOWN, &ListoraView::OnListKey, this);
    list->Unbind(wxEVT_LIST_COL_CLICK, &ListoraView::OnColumnClick, this);
    list->Unbind(wxEVT_LIST_END_LABEL_EDIT, &ListoraView::OnCellEdited, this);
    list->Unbind(EVT_ITEM_LIST_DROP, &ListoraView::OnRowsDropped, this);
    list->Unbind(EVT_ITEM_LIST_COLUMNS, &ListoraView::OnColumnsArranged, this);
  }
  ListenToPanes(false);
  if (MainFrame* frame = Frame())
    frame->SearchField()->Unbind(EVT_SEARCH_HISTORY_REMOVED, &ListoraView::OnHistoryEntryRemoved,
                                 this);
  if (ListoraDoc* doc = Doc()) doc->SetEditCommitter({});
  AttachPanes(nullptr);
  SetFrame(nullptr);
  return true;
}

void ListoraView::ListenToPanes(bool listen) {
  const PaneSet panes = PaneWindows();
  const auto on = [this, listen](wxWindow* pane, const wxEventTypeTag<PaneEvent>& type,
                                 void (ListoraView::*handler)(PaneEvent&)) {
    if (!pane) return;
    if (listen)
      pane->Bind(type, handler, this);
    else
      pane->Unbind(type, handler, this);
  };
  on(panes.text, EVT_PANE_MEMO, &ListoraView::OnMemoTyped);
  on(panes.image, EVT_PANE_IMAGE, &ListoraView::OnImageChosen);
  on(panes.image, EVT_PANE_IMAGE_FIT, &ListoraView::OnImageFitChosen);
  on(panes.tree, EVT_PANE_TREE_SEARCH, &ListoraView::OnTreeSearch);
}

void ListoraView::OnMemoTyped(PaneEvent& event) {
  if (ListoraDoc* doc = Doc()) doc->SetMemo(event.GetInt(), event.text);
}

void ListoraView::OnImageChosen(PaneEvent& event) {
  ListoraDoc* doc = Doc();
  if (!doc) return;
  event.text = doc->AttachImage(event.rows, event.text);
  event.done = true;
}

void ListoraView::OnImageFitChosen(PaneEvent& event) {
  if (ListoraDoc* doc = Doc()) doc->SetImageFit(event.GetInt() != 0);
}

// The list search of the search box, with the node's text and without
// touching the box's history.
void ListoraView::OnTreeSearch(PaneEvent& event) {
  if (ListoraDoc* doc = Doc()) doc->ListSearch(event.text);
}

void ListoraView::OnDraw(wxDC*) {
  // The panes are windows of their own and paint themselves.
}

wxPrintout* ListoraView::OnCreatePrintout() {
  ListoraDoc* doc = Doc();
  if (!doc) return nullptr;
  return new TablePrintout(ScreenPrintSource(*doc, List()));
}

// A hint's changes are applied columns first, then rows, then cells and
// panes, so each finds the list as the one before left it.
void ListoraView::OnUpdate(wxView*, wxObject* hint) {
  using Kind = DocHint::Kind;
  const auto* docHint = dynamic_cast<const DocHint*>(hint);
  // The first update, a new or opened document and settings beyond the
  // columns are shown as a whole.
  if (!docHint || docHint->Has(Kind::kNewDocument) || docHint->Has(Kind::kOpenedDocument) ||
      docHint->Has(Kind::kSettings)) {
    InitialUpdate();
  } else if (docHint->Has(Kind::kColumns)) {
    ShowColumns();
    if (ListoraDoc* doc = Doc(); doc && Frame())
      Frame()->RebuildColumnMenus(doc->Data().settings.columns);
  }
  if (!docHint) return;
  if (docHint->Has(Kind::kItems)) ShowRows(*docHint);

  ItemListCtrl* list = List();
  const long row = docHint->Row();
  const bool oneRow = list && row >= 0 && row < list->GetItemCount();
  const bool cells = docHint->Has(Kind::kCells);
  if (cells || docHint->Has(Kind::kTexts)) {
    if (oneRow)
      list->RefreshItem(static_cast<int>(row));
    else if (list)
      list->Refresh();
    // Column texts are not what the text and image panes show.
    if (cells) ShowFocusedItem();
  }
  if (docHint->Has(Kind::kMemo) && oneRow) {
    list->RefreshItem(static_cast<int>(row));
    if (TextPane* text = PaneWindows().text; text && text->CurrentRow() == row)
      text->ShowMemo(static_cast<int>(row), Doc()->Data().items.Memo(static_cast<int>(row)));
  }
  if (docHint->Has(Kind::kSearchHistory)) ShowSearchHistory();
}

// Rows were added, removed or reordered: the list takes the new count and
// the selection the hint asks for and scrolls to its row; the counts and
// the panes that follow the focused row catch up.
void ListoraView::ShowRows(const DocHint& hint) {
  if (ItemListCtrl* list = List()) {
    list->SyncItemCount();
    if (const std::vector<int>* rows = hint.SelectedRows())
      list->SelectRows(*rows);
    else if (hint.Selects())
      list->SelectRowRange(hint.SelectFirst(), hint.SelectLast());
    if (hint.Row() >= 0 && hint.Row() < list->GetItemCount())
      list->EnsureVisible(static_cast<int>(hint.Row()));
  }
  ShowCounts();
  ShowFocusedItem();
}

void ListoraView::InitialUpdate() {
  MainFrame* frame = Frame();
  const PaneSet panes = PaneWindows();
  const Document& data = Doc()->Data();
  const DocumentSettings& settings = data.settings;

  ShowColumns();
  if (ItemListCtrl* list = panes.list) {
    list->ApplyStyle();
    list->SyncItemCount();
  }
  if (TextPane* text = panes.text) {
    text->ApplyStyle(settings.styles.pane[PaneStyles::kText]);
    text->ShowMemo(-1, {});
  }
  if (TreePane* tree = panes.tree) {
    tree->ApplyStyle(settings.styles.pane[PaneStyles::kTree], settings.display.treeIcons != 0);
    tree->Clear();
  }
  if (ImagePane* image = panes.image) {
    image->ApplyStyle(settings.styles.pane[PaneStyles::kImage], settings.display.imageFit != 0);
    image->ReleaseImage();
  }
  if (!frame) return;
  ShowSearchHistory();
  ShowCounts();
  frame->RebuildColumnMenus(settings.columns);
  frame->ApplyPaneFlags();
  frame->ApplyBarVisibility(settings.display);
}

void ListoraView::ShowColumns() {
  ItemListCtrl* list = List();
  if (!list) return;
  list->RebuildColumns();
  list->SetDisplayOrder(Doc()->DisplayOrder());
}

void ListoraView::ShowCounts() {
  MainFrame* frame = Frame();
  ItemListCtrl* list = List();
  if (!frame || !list) return;
  frame->SetTotalCount(list->GetItemCount());
  frame->SetSelectedCount(list->GetSelectedItemCount());
}

void ListoraView::ShowItem(long row) {
  const PaneSet panes = PaneWindows();
  const Document& data = Doc()->Data();
  if (row < 0 || row >= data.items.GetSize()) return;
  const int index = static_cast<int>(row);
  if (ImagePane* image = panes.image) {
    const std::string_view path = data.items.ImagePath(index);
    if (path.empty())
      image->ReleaseImage();
    else
      image->ShowImage(ResolveImagePath(path, data.settings.display, Doc()->ImageFolder()));
  }
  if (TextPane* text = panes.text) text->ShowMemo(index, data.items.Memo(index));
}

// Rows moved or went: the text and image panes show what the focused row
// holds now (nothing without one), so a memo edit lands in the item shown.
void ListoraView::ShowFocusedItem() {
  ItemListCtrl* list = List();
  const int row = list ? list->FocusedRow() : -1;
  if (row >= 0 && row < Doc()->Data().items.GetSize()) {
    ShowItem(row);
    return;
  }
  const PaneSet panes = PaneWindows();
  if (panes.text) panes.text->ShowMemo(-1, {});
  if (panes.image) panes.image->ReleaseImage();
}

void ListoraView::ShowSearchHistory() {
  MainFrame* frame = Frame();
  if (!frame) return;
  std::vector<wxString> entries;
  for (const std::string& entry : Doc()->SearchHistory()) entries.push_back(ToWx(entry));
  frame->SearchField()->ShowHistory(entries);
}

void ListoraView::OnChangeFilename() {
  MainFrame* frame = Frame();
  ListoraDoc* doc = Doc();
  if (!frame || !doc) return;
  frame->SetTitle(doc->GetUserReadableName() + " - Listora" + (doc->IsModified() ? "*" : ""));
}

void ListoraView::OnItemFocused(wxListEvent& event) {
  event.Skip();
  ShowItem(event.GetIndex());
}

// The list reports every change of its selection once, however it was
// made: by mouse, keys, a command or a caller.
void ListoraView::OnSelectionChanged(wxCommandEvent& event) {
  event.Skip();
  if (Frame() && List()) Frame()->SetSelectedCount(List()->GetSelectedItemCount());
}

void ListoraView::OnListKey(wxListEvent& event) {
  event.Skip();
  if (event.GetKeyCode() == WXK_DELETE && List() && List()->GetSelectedItemCount() > 0)
    CallAfter([this] {
      if (ListoraDoc* doc = Doc(); doc && List() && Frame())
        DeleteSelectedRows({*doc, *List(), *Frame()}, 0);
    });
}

// A header click sorts the whole table by the column; the rows are drawn
// again once, selection and focus staying at their row numbers, and the
// text and image panes show the item now in the focused row.
void ListoraView::OnColumnClick(wxListEvent& event) {
  ItemListCtrl* list = List();
  if (!list) return;
  list->EndCellEdit(false);
  Doc()->SortByColumn(event.GetColumn(), list->SortDirections());
}

// The end of an in-place edit: a non-empty text becomes the cell's text.
void ListoraView::OnCellEdited(wxListEvent& event) {
  if (event.IsEditCancelled() || event.GetLabel().empty()) return;
  Doc()->SetCell(static_cast<int>(event.GetIndex()), event.GetColumn(),
                 TextFromWx(event.GetLabel()));
}

// Dragged rows let go: they move together in front of the drop row and stay
// selected. A move does not make the document modified.
void ListoraView::OnRowsDropped(wxCommandEvent& event) {
  ItemListCtrl* list = List();
  if (!list) return;
  const std::vector<int> dragged = list->DraggedRows();
  Doc()->MoveRows(dragged, event.GetInt());
}

// The document keeps the columns' widths and order as the user leaves them.
void ListoraView::OnColumnsArranged(wxCommandEvent&) {
  ItemListCtrl* list = List();
  if (!list) return;
  std::vector<int> widths;
  for (int column = 0; column < list->GetColumnCount(); ++column)
    widths.push_back(list->GetColumnWidth(column));
  Doc()->ArrangeColumns(widths, list->DisplayOrder());
}

void ListoraView::OnHistoryEntryRemoved(wxCommandEvent& event) {
  Doc()->RemoveSearchHistory(static_cast<std::size_t>(event.GetInt()));
}

}  // namespace listora
