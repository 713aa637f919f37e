#include "ui/frame/listora_view.h"

#include "core/tools/image_paths.h"
#include "ui/base/command_ids.h"
#include "ui/base/messages.h"
#include "ui/base/prompt.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/print/print_commands.h"
#include "ui/print/table_printout.h"
#include "ui/text/text_convert.h"
#include "ui/views/image_pane.h"
#include "ui/views/item_list_ctrl.h"
#include "ui/views/text_pane.h"
#include "ui/views/tree_pane.h"

namespace listora {

wxIMPLEMENT_CLASS(CListoraView, wxView);

CListoraView::CListoraView(CMainFrame& frame) : frame_(&frame) {}

CListoraDoc* CListoraView::Doc() const { return static_cast<CListoraDoc*>(GetDocument()); }
CMainFrame* CListoraView::Frame() const { return frame_.get(); }

PaneSet CListoraView::PaneWindows() const {
  const CMainFrame* frame = Frame();
  return frame ? frame->PaneWindows() : PaneSet{};
}

CItemListCtrl* CListoraView::List() const { return PaneWindows().list; }

void CListoraView::AttachPanes(CListoraDoc* doc) {
  const PaneSet panes = PaneWindows();
  if (panes.list) panes.list->Attach(doc ? &doc->Data() : nullptr);
  if (panes.tree) panes.tree->Attach(doc);
  if (panes.text) panes.text->Attach(doc);
  if (panes.image) panes.image->Attach(doc);
}

bool CListoraView::OnCreate(wxDocument* doc, long) {
  CMainFrame* frame = Frame();
  CItemListCtrl* list = List();
  if (!frame || !list) return false;
  SetFrame(frame);
  AttachPanes(static_cast<CListoraDoc*>(doc));
  static_cast<CListoraDoc*>(doc)->SetEditCommitter([this] {
    if (CItemListCtrl* list = List()) list->EndCellEdit(false);
  });
  list->Bind(wxEVT_LIST_ITEM_FOCUSED, &CListoraView::OnItemFocused, this);
  list->Bind(EVT_ITEM_LIST_SELECTION, &CListoraView::OnSelectionChanged, this);
  list->Bind(wxEVT_LIST_KEY_DOWN, &CListoraView::OnListKey, this);
  list->Bind(wxEVT_LIST_COL_CLICK, &CListoraView::OnColumnClick, this);
  list->Bind(wxEVT_LIST_END_LABEL_EDIT, &CListoraView::OnCellEdited, this);
  list->Bind(EVT_ITEM_LIST_DROP, &CListoraView::OnRowsDropped, this);
  list->Bind(EVT_ITEM_LIST_COLUMNS, &CListoraView::OnColumnsArranged, this);
  frame->SearchBox()->Bind(EVT_SEARCH_HISTORY_REMOVED, &CListoraView::OnHistoryEntryRemoved, this);
  ListenToPanes(true);
  Activate(true);
  return true;
}

bool CListoraView::OnClose(bool deleteWindow) {
  if (!wxView::OnClose(deleteWindow)) return false;
  Activate(false);
  if (CItemListCtrl* list = List()) {
    list->Unbind(wxEVT_LIST_ITEM_FOCUSED, &CListoraView::OnItemFocused, this);
    list->Unbind(EVT_ITEM_LIST_SELECTION, &CListoraView::OnSelectionChanged, this);
    list->Unbind(wxEVT_LIST_KEY_DOWN, &CListoraView::OnListKey, this);
    list->Unbind(wxEVT_LIST_COL_CLICK, &CListoraView::OnColumnClick, this);
    list->Unbind(wxEVT_LIST_END_LABEL_EDIT, &CListoraView::OnCellEdited, this);
    list->Unbind(EVT_ITEM_LIST_DROP, &CListoraView::OnRowsDropped, this);
    list->Unbind(EVT_ITEM_LIST_COLUMNS, &CListoraView::OnColumnsArranged, this);
  }
  ListenToPanes(false);
  if (CMainFrame* frame = Frame())
    frame->SearchBox()->Unbind(EVT_SEARCH_HISTORY_REMOVED, &CListoraView::OnHistoryEntryRemoved,
                               this);
  if (CListoraDoc* doc = Doc()) doc->SetEditCommitter({});
  AttachPanes(nullptr);
  SetFrame(nullptr);
  return true;
}

void CListoraView::ListenToPanes(bool listen) {
  const PaneSet panes = PaneWindows();
  const auto on = [this, listen](wxWindow* pane, const wxEventTypeTag<PaneEvent>& type,
                                 void (CListoraView::*handler)(PaneEvent&)) {
    if (!pane) return;
    if (listen)
      pane->Bind(type, handler, this);
    else
      pane->Unbind(type, handler, this);
  };
  on(panes.text, EVT_PANE_MEMO, &CListoraView::OnMemoTyped);
  on(panes.image, EVT_PANE_IMAGE, &CListoraView::OnImageChosen);
  on(panes.image, EVT_PANE_IMAGE_FIT, &CListoraView::OnImageFitChosen);
  on(panes.tree, EVT_PANE_TREE_SEARCH, &CListoraView::OnTreeSearch);
}

void CListoraView::OnMemoTyped(PaneEvent& event) {
  if (CListoraDoc* doc = Doc()) doc->SetMemo(event.GetInt(), event.text);
}

void CListoraView::OnImageChosen(PaneEvent& event) {
  CListoraDoc* doc = Doc();
  if (!doc) return;
  event.text = doc->AttachImage(event.rows, event.text);
  event.done = true;
}

void CListoraView::OnImageFitChosen(PaneEvent& event) {
  if (CListoraDoc* doc = Doc()) doc->SetImageFit(event.GetInt() != 0);
}

// The list search of the search box, with the node's text and without
// touching the box's history.
void CListoraView::OnTreeSearch(PaneEvent& event) {
  if (CListoraDoc* doc = Doc()) doc->ListSearch(event.text);
}

void CListoraView::OnDraw(wxDC*) {
  // The panes are windows of their own and paint themselves.
}

wxPrintout* CListoraView::OnCreatePrintout() {
  CListoraDoc* doc = Doc();
  if (!doc) return nullptr;
  return new TablePrintout(ScreenPrintSource(*doc, List()));
}

void CListoraView::OnUpdate(wxView*, wxObject* hint) {
  const auto* docHint = dynamic_cast<const DocHint*>(hint);
  const DocHint::Kind kind = docHint ? docHint->GetKind() : DocHint::Kind::kNewDocument;
  CItemListCtrl* list = List();
  const long row = docHint ? docHint->Row() : -1;
  const bool oneRow = list && row >= 0 && row < list->GetItemCount();
  switch (kind) {
    case DocHint::Kind::kNewDocument: InitialUpdate(false); break;
    case DocHint::Kind::kOpenedDocument: InitialUpdate(true); break;
    case DocHint::Kind::kColumns:
      ShowColumns();
      if (CListoraDoc* doc = Doc(); doc && Frame())
        Frame()->RebuildColumnMenus(doc->Data().settings.columns);
      break;
    case DocHint::Kind::kItems: ShowRows(*docHint); break;
    case DocHint::Kind::kCells:
    case DocHint::Kind::kTexts:
      if (oneRow)
        list->RefreshItem(static_cast<int>(row));
      else if (list)
        list->Refresh();
      // Column texts are not what the text and image panes show.
      if (kind == DocHint::Kind::kCells) ShowFocusedItem();
      break;
    case DocHint::Kind::kMemo:
      if (!oneRow) break;
      list->RefreshItem(static_cast<int>(row));
      if (CTextPane* text = PaneWindows().text; text && text->CurrentRow() == row)
        text->ShowMemo(static_cast<int>(row), Doc()->Data().items.Memo(static_cast<int>(row)));
      break;
    case DocHint::Kind::kSearchHistory: ShowSearchHistory(); break;
  }
}

// Rows were added, removed or reordered: the list takes the new count and
// the selection the hint asks for and scrolls to its row; the counts and
// the panes that follow the focused row catch up.
void CListoraView::ShowRows(const DocHint& hint) {
  if (CItemListCtrl* list = List()) {
    list->SyncItemCount();
    if (hint.Selects()) list->SelectRowRange(hint.SelectFirst(), hint.SelectLast());
    if (hint.Row() >= 0 && hint.Row() < list->GetItemCount())
      list->EnsureVisible(static_cast<int>(hint.Row()));
  }
  ShowCounts();
  ShowFocusedItem();
}

void CListoraView::InitialUpdate(bool opened) {
  CMainFrame* frame = Frame();
  const PaneSet panes = PaneWindows();
  const Document& data = Doc()->Data();
  const DocumentSettings& settings = data.settings;
  Doc()->UpdateImageFolder();

  ShowColumns();
  if (CItemListCtrl* list = panes.list) {
    list->ApplyStyle();
    list->SyncItemCount();
  }
  if (CTextPane* text = panes.text) {
    text->ApplyStyle(settings.styles.pane[ViewStyles::kText]);
    text->ShowMemo(-1, {});
  }
  if (CTreePane* tree = panes.tree) {
    tree->ApplyStyle(settings.styles.pane[ViewStyles::kTree], settings.display.treeIcons != 0);
    tree->Clear();
  }
  if (CImagePane* image = panes.image) {
    image->ApplyStyle(settings.styles.pane[ViewStyles::kImage], settings.display.imageFit != 0);
    image->ReleaseImage();
  }
  if (!frame) return;
  if (opened) {
    ShowSearchHistory();
  } else {
    // The search box keeps its list for a new document, which takes it as
    // its history.
    std::vector<std::string> history;
    for (const wxString& entry : frame->SearchBox()->History())
      history.push_back(TextFromWx(entry));
    Doc()->SetSearchHistory(std::move(history));
  }
  ShowCounts();
  frame->RebuildColumnMenus(settings.columns);
  frame->ApplyViewFlags();
  frame->ApplyBarVisibility(settings.display);
}

void CListoraView::ShowColumns() {
  CItemListCtrl* list = List();
  if (!list) return;
  list->RebuildColumns();
  list->SetDisplayOrder(Doc()->DisplayOrder());
}

void CListoraView::ShowCounts() {
  CMainFrame* frame = Frame();
  CItemListCtrl* list = List();
  if (!frame || !list) return;
  frame->SetTotalCount(list->GetItemCount());
  frame->SetSelectedCount(list->GetSelectedItemCount());
}

void CListoraView::ShowItem(long row) {
  const PaneSet panes = PaneWindows();
  const Document& data = Doc()->Data();
  if (row < 0 || row >= data.items.GetSize()) return;
  const int index = static_cast<int>(row);
  if (CImagePane* image = panes.image) {
    const std::string_view path = data.items.ImagePath(index);
    if (path.empty())
      image->ReleaseImage();
    else
      image->ShowImage(ResolveImagePath(path, data.settings.display, Doc()->Program().imageFolder));
  }
  if (CTextPane* text = panes.text) text->ShowMemo(index, data.items.Memo(index));
}

// Rows moved or went: the text and image panes show what the focused row
// holds now (nothing without one), so a memo edit lands in the item shown.
void CListoraView::ShowFocusedItem() {
  CItemListCtrl* list = List();
  const int row = list ? list->FocusedRow() : -1;
  if (row >= 0 && row < Doc()->Data().items.GetSize()) {
    ShowItem(row);
    return;
  }
  const PaneSet panes = PaneWindows();
  if (panes.text) panes.text->ShowMemo(-1, {});
  if (panes.image) panes.image->ReleaseImage();
}

void CListoraView::ShowSearchHistory() {
  CMainFrame* frame = Frame();
  if (!frame) return;
  std::vector<wxString> entries;
  for (const std::string& entry : Doc()->SearchHistory()) entries.push_back(ToWx(entry));
  frame->SearchBox()->ShowHistory(entries);
}

void CListoraView::OnChangeFilename() {
  CMainFrame* frame = Frame();
  CListoraDoc* doc = Doc();
  if (!frame || !doc) return;
  frame->SetTitle(doc->GetUserReadableName() + " - Listora" + (doc->IsModified() ? "*" : ""));
}

void CListoraView::OnItemFocused(wxListEvent& event) {
  event.Skip();
  ShowItem(event.GetIndex());
}

// The list reports every change of its selection once, however it was
// made: by mouse, keys, a command or a caller.
void CListoraView::OnSelectionChanged(wxCommandEvent& event) {
  event.Skip();
  if (Frame() && List()) Frame()->SetSelectedCount(List()->GetSelectedItemCount());
}

void CListoraView::OnListKey(wxListEvent& event) {
  event.Skip();
  if (event.GetKeyCode() == WXK_DELETE && List() && List()->GetSelectedItemCount() > 0)
    CallAfter([this] { DeleteSelected(); });
}

void CListoraView::OnSelectAll(wxCommandEvent&) {
  if (CItemListCtrl* list = List()) list->SelectAllRows();
}

void CListoraView::OnInvertSelection(wxCommandEvent&) {
  if (CItemListCtrl* list = List()) list->InvertSelection();
}

void CListoraView::OnDeleteSelected(wxCommandEvent&) { DeleteSelected(); }

void CListoraView::DeleteSelected() {
  CItemListCtrl* list = List();
  if (!list) return;
  const std::vector<int> rows = list->SelectedRows();
  if (rows.empty()) return;
  if (!ThePrompt().YesNo(Frame(), Utf8(msg::kDeleteSelectedQuestion))) return;
  list->ClearSelection();
  Doc()->DeleteRows(rows);
}

void CListoraView::OnMove(wxCommandEvent& event) {
  CItemListCtrl* list = List();
  if (!list || list->GetItemCount() == 0) return;
  const int count = list->GetItemCount();
  const int row = event.GetId() == cmd::kMoveFirst    ? 0
                  : event.GetId() == cmd::kMoveMiddle ? count / 2
                                                      : count - 1;
  list->EnsureVisible(row);
}

// A header click sorts the whole table by the column; the rows are drawn
// again once, selection and focus staying at their row numbers, and the
// text and image panes show the item now in the focused row.
void CListoraView::OnColumnClick(wxListEvent& event) {
  CItemListCtrl* list = List();
  if (!list) return;
  list->EndCellEdit(false);
  Doc()->SortByColumn(event.GetColumn(), list->SortDirections());
}

// The end of an in-place edit: a non-empty text becomes the cell's text.
void CListoraView::OnCellEdited(wxListEvent& event) {
  if (event.IsEditCancelled() || event.GetLabel().empty()) return;
  Doc()->SetCell(static_cast<int>(event.GetIndex()), event.GetColumn(),
                 TextFromWx(event.GetLabel()));
}

// Dragged rows let go: they move together in front of the drop row and stay
// selected. A move does not make the document modified.
void CListoraView::OnRowsDropped(wxCommandEvent& event) {
  CItemListCtrl* list = List();
  if (!list) return;
  const std::vector<int> dragged = list->DraggedRows();
  Doc()->MoveRows(dragged, event.GetInt());
}

// The document keeps the columns' widths and order as the user leaves them.
void CListoraView::OnColumnsArranged(wxCommandEvent&) {
  CItemListCtrl* list = List();
  if (!list) return;
  std::vector<int> widths;
  for (int column = 0; column < list->GetColumnCount(); ++column)
    widths.push_back(list->GetColumnWidth(column));
  Doc()->ArrangeColumns(widths, list->DisplayOrder());
}

void CListoraView::OnHistoryEntryRemoved(wxCommandEvent& event) {
  Doc()->RemoveSearchHistory(static_cast<std::size_t>(event.GetInt()));
}

void CListoraView::OnDeleteColumn(wxCommandEvent&) {
  if (CItemListCtrl* list = List()) Doc()->DeleteColumn(list->CurrentHeaderColumn());
}

// The search box's list search; the text goes on top of the box's history.
void CListoraView::OnListSearch(wxCommandEvent&) {
  CMainFrame* frame = Frame();
  if (!frame) return;
  CSearchBox* box = frame->SearchBox();
  if (const auto result = Doc()->ListSearch(TextFromWx(box->GetValue())))
    Doc()->AddSearchHistory(result->text);
}

}  // namespace listora
