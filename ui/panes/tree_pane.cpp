#include "ui/panes/tree_pane.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/imaglist.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/toolbar.h>
#include <wx/wrapsizer.h>

#include <algorithm>
#include <numeric>
#include <optional>
#include <vector>

#include "core/panes/grouping_nodes.h"
#include "ui/base/command_ids.h"
#include "ui/base/command_menu.h"
#include "ui/base/messages.h"
#include "ui/base/progress_dialog.h"
#include "ui/base/prompt.h"
#include "ui/doc/listora_doc.h"
#include "ui/panes/list_clipboard_io.h"
#include "ui/panes/list_icons.h"
#include "ui/panes/pane_events.h"
#include "ui/panes/pane_style.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

constexpr int kTreeControl = 1001;
constexpr int kParentCountWidth = 110;
constexpr int kMenuOffset = 5;

wxString ParentCountText(int count) { return wxString::Format(Utf8(msg::kTreeParentCount), count); }

wxBitmap NumberBitmap(int n) {
  wxBitmap bitmap(16, 15);
  wxMemoryDC dc(bitmap);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  dc.SetFont(wxFontInfo(8).Bold());
  const wxString text = wxString::Format("%d", n);
  const wxSize extent = dc.GetTextExtent(text);
  dc.DrawText(text, (16 - extent.x) / 2, (15 - extent.y) / 2);
  dc.SelectObject(wxNullBitmap);
  return bitmap;
}

}  // namespace

TreePane::TreePane(wxWindow* parent, bool showToolBar)
    : wxPanel(parent), tree_(new GroupTreeCtrl(this, kTreeControl)), icons_(MakeListIcons()) {
  CreateToolBar();

  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(toolRow_, wxSizerFlags().Expand());
  sizer->Add(tree_, wxSizerFlags(1).Expand());
  SetSizer(sizer);
  ShowToolBar(showToolBar);

  Bind(wxEVT_CONTEXT_MENU, &TreePane::OnContextMenu, this);
}

TreePane::~TreePane() { tree_->SetImageList(nullptr); }

void TreePane::CreateToolBar() {
  toolBar_ =
      new wxToolBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTB_HORIZONTAL | wxTB_FLAT);
  toolBar_->SetToolBitmapSize(wxSize(16, 15));
  int n = 0;
  for (const Command* command : ToolBarCommands(ToolBarId::kTree)) {
    ++n;
    toolBar_->AddTool(command->id, wxString::Format("No.%d", n), NumberBitmap(n),
                      Utf8(command->tip), wxITEM_NORMAL);
    toolBar_->SetToolLongHelp(command->id, Utf8(command->prompt));
  }
  toolBar_->Realize();
  // Beside the buttons, or below them when the pane is too narrow for both,
  // so the count is never cut off.
  parentCount_ = new wxStaticText(this, cmd::kTreeParentLabel, ParentCountText(0),
                                  wxDefaultPosition, wxDefaultSize, wxST_NO_AUTORESIZE);
  parentCount_->SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
  parentCount_->SetMinSize(wxSize(
      std::max(kParentCountWidth, parentCount_->GetTextExtent(ParentCountText(8888888)).x), -1));
  toolRow_ = new wxWrapSizer(wxHORIZONTAL);
  toolRow_->Add(toolBar_, wxSizerFlags().CentreVertical());
  toolRow_->Add(parentCount_, wxSizerFlags().CentreVertical().Border(wxLEFT | wxRIGHT, 4));
}

void TreePane::ApplyStyle(const StoredPaneStyle& style, bool showIcons) {
  ApplyPaneStyle(*tree_, style);
  if (showIcons && !tree_->GetImageList())
    tree_->SetImageList(icons_.get());
  else if (!showIcons && tree_->GetImageList())
    tree_->SetImageList(nullptr);
}

void TreePane::Clear() {
  tree_->Clear();
  SetParentCount(0);
}

bool TreePane::IsToolBarShown() const { return toolBar_->IsShown(); }

void TreePane::ShowToolBar(bool show) {
  GetSizer()->Show(toolRow_, show);
  Layout();
}

void TreePane::SetParentCount(int count) { parentCount_->SetLabel(ParentCountText(count)); }

void TreePane::OnGroup(wxCommandEvent& event) { Group(event.GetId() - cmd::kTreeGroup1 + 1); }

void TreePane::Group(int position) {
  if (!doc_) return;
  const ItemTable& items = doc_->Data().items;
  // The columns in the order the list shows them.
  std::vector<int> order = doc_->DisplayOrder();
  if (order.empty()) {
    order.resize(static_cast<std::size_t>(doc_->Data().ColumnCount()));
    std::iota(order.begin(), order.end(), 0);
  }
  const int n = items.GetSize();
  if (n == 0 || GroupingLevels(order, position).empty()) return;

  ProgressRun progress(wxGetTopLevelParent(this));
  progress.Begin(n);
  tree_->Clear();
  std::optional<GroupingTree> built = BuildGroupingTree(
      items, order, position, [&](int rowsDone) { return progress.Step(rowsDone); });
  // A grouping stopped by the user is shown as far as it got.
  SetParentCount(built->parentCount);
  tree_->ShowGrouping(std::move(*built));
}

void TreePane::OnExpandOrCollapse(wxCommandEvent& event) {
  const int id = event.GetId();
  const bool all = id == cmd::kTreeExpandAll || id == cmd::kTreeCollapseAll;
  const bool expand = id == cmd::kTreeExpandBelow || id == cmd::kTreeExpandAll;
  NodeSpan nodes;
  const GroupingTree& grouped = tree_->Grouping();
  if (all)
    nodes = AllNodesToOpenOrClose(grouped);
  else if (const std::size_t start = tree_->GetSelection(); start != GroupTreeCtrl::kNone)
    nodes = NodesToOpenOrClose(grouped, start);
  tree_->SetExpanded(nodes, expand);
}

// The list search of the search box, with the node's text and without
// touching the box's history.
void TreePane::OnSearchInList(wxCommandEvent&) {
  const std::size_t node = tree_->GetSelection();
  if (node == GroupTreeCtrl::kNone || !doc_) return;
  PaneEvent search(EVT_PANE_TREE_SEARCH, GetId());
  search.text = tree_->Grouping().Text(node);
  ProcessWindowEvent(search);
}

void TreePane::OnCopy(wxCommandEvent&) {
  // The whole tree, however it is scrolled: starting at the first node in
  // sight would silently leave the nodes above it out of the copy.
  PutClipboardText(TreeClipboardText(tree_->Grouping()));
}

void TreePane::OnClear(wxCommandEvent&) {
  if (!ThePrompt().YesNo(this, Utf8(msg::kClearTreeQuestion))) return;
  Clear();
}

std::unique_ptr<wxMenu> TreePane::ContextMenuAt(const wxPoint& screenPoint) {
  // A menu asked for from the keyboard carries no point and shows nothing.
  if (tree_->Empty() || screenPoint == wxDefaultPosition) return nullptr;
  if (!tree_->GetScreenRect().Contains(screenPoint)) return nullptr;
  std::size_t node = tree_->HitTest(tree_->ScreenToClient(screenPoint));
  if (node == GroupTreeCtrl::kNone) node = tree_->GetSelection();
  if (node == GroupTreeCtrl::kNone) return nullptr;
  tree_->SelectItem(node);
  return std::unique_ptr<wxMenu>(BuildMenu(MenuId::kTree));
}

void TreePane::OnContextMenu(wxContextMenuEvent& event) {
  const wxPoint point = event.GetPosition();
  if (std::unique_ptr<wxMenu> menu = ContextMenuAt(point))
    PopupMenu(menu.get(), ScreenToClient(point) + wxPoint(kMenuOffset, kMenuOffset));
}

}  // namespace listora
