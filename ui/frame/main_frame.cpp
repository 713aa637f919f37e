#include "ui/frame/main_frame.h"

#include <wx/accel.h>
#include <wx/filehistory.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/treectrl.h>
#include <wx/utils.h>

#include <algorithm>
#include <iterator>
#include <span>
#include <vector>

#include "core/app/settings_sets.h"
#include "core/app/window_placement.h"
#include "core/base/settings_file.h"
#include "ui/base/command_ids.h"
#include "ui/base/command_menu.h"
#include "ui/base/program_icon.h"
#include "ui/doc/listora_doc.h"
#include "ui/doc/program_state.h"
#include "ui/frame/file_drop.h"
#include "ui/frame/frame_placement.h"
#include "ui/frame/pane_splitter.h"
#include "ui/frame/recent_file_menu.h"
#include "ui/panes/image_pane.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/list_menus.h"
#include "ui/panes/text_pane.h"
#include "ui/panes/tree_pane.h"

namespace listora {

namespace {

enum StatusField { kMessageField, kCapsField, kNumField, kScrollField, kStatusFields };

// The keys the menu bar does not carry (Ctrl+C, F6, ...), from the table of
// commands; the menu bar's entries hold the first key of their command.
wxAcceleratorTable CommandAccelerators() {
  std::vector<wxAcceleratorEntry> entries;
  for (const Command& command : TheCommands()) {
    std::span<const KeyStroke> keys = command.keys;
    if (OnMenuBar(command)) keys = keys.subspan(1);
    for (const KeyStroke& stroke : keys)
      if (stroke.key != 0) entries.emplace_back(stroke.flags, stroke.key, command.id);
  }
  return wxAcceleratorTable(static_cast<int>(entries.size()), entries.data());
}

PaneId PaneFor(int id) {
  switch (id) {
    case cmd::kTreeView: return PaneId::kTree;
    case cmd::kTextView: return PaneId::kText;
    case cmd::kImageView: return PaneId::kImage;
    default: return PaneId::kList;
  }
}

}  // namespace

MainFrame::MainFrame(wxDocManager* manager, ProgramState& program)
    : wxDocParentFrame(manager, nullptr, wxID_ANY, "Listora", wxDefaultPosition, wxSize(800, 600)),
      program_(program) {
  SetIcons(ProgramIcons());
  SetMinSize(wxSize(kMinWindowWidth, kMinWindowHeight));

  menus_ = MakeMainMenuBar();
  SetMenuBar(menus_.bar);
  controls_ = CreateMainToolBar(*this);
  CreateStatusBar(kStatusFields);
  const int widths[kStatusFields] = {-1, 50, 50, 50};
  GetStatusBar()->SetStatusWidths(kStatusFields, widths);

  placement_ = std::make_unique<FramePlacement>(*this, program_.settingsFile);
  const StartBars bars = ReadStartBars(program_.settingsFile);
  if (!bars.toolBar) controls_.bar->Hide();
  if (!bars.statusBar) GetStatusBar()->Hide();
  CreatePanes();
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(controls_.bar, wxSizerFlags().Expand());
  sizer->Add(&grid_->Main(), wxSizerFlags(1).Expand());
  SetSizer(sizer);

  Bind(wxEVT_SIZE, &MainFrame::OnSize, this);
  ShowRecentFiles();
  Bind(wxEVT_IDLE, [this](wxIdleEvent& event) {
    UpdateKeyIndicators();
    event.Skip();
  });
  // Enter in the search box searches, as the button does.
  controls_.searchBox->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) {
    wxCommandEvent search(wxEVT_MENU, cmd::kSearch);
    ProcessWindowEvent(search);
  });
  SetAcceleratorTable(CommandAccelerators());
  SetDropTarget(new MainWindowDrop(this, panes_));
}

MainFrame::~MainFrame() {
  placement_->Store();
  panes_ = PaneSet{};
}

void MainFrame::CreatePanes() {
  grid_ = std::make_unique<PaneGrid>(this);
  auto* list = new ItemListCtrl(grid_->LeftParent());
  auto* text = new TextPane(grid_->LeftParent(), *list);
  auto* tree = new TreePane(grid_->RightParent(), ReadStartBars(program_.settingsFile).treeToolBar);
  auto* image = new ImagePane(grid_->RightParent(), *list);
  grid_->SetPanes(list, text, tree, image);
  panes_ = PaneSet{list, tree, text, image};
  // The text box would take dropped files as text of its own.
  text->SetDropTarget(new MainWindowDrop(text, panes_));

  // Letting go of a splitter bar gives the document the split positions.
  for (PaneSplitter* splitter : {&grid_->Main(), &grid_->Left(), &grid_->Right()}) {
    splitter->SetOnSashReleased([this] {
      ListoraDoc* doc = CurrentDoc();
      if (!doc) return;
      PaneLayout now = doc->Data().settings.layout;
      grid_->CaptureSplits(now);
      doc->SetSplits(now.split1, now.split2, now.split3);
    });
  }
}

ListoraDoc* MainFrame::CurrentDoc() const {
  return dynamic_cast<ListoraDoc*>(m_docManager->GetCurrentDocument());
}

void MainFrame::RebuildColumnMenus(const ColumnDescriptors& columns) {
  FillColumnMenus(*menus_.copyColumns, *menus_.pasteColumns, columns);
}

void MainFrame::LayoutPanes() {
  if (ListoraDoc* doc = CurrentDoc()) grid_->ApplySplits(doc->Data().settings.layout);
}

void MainFrame::ApplyPaneFlags() {
  ListoraDoc* doc = CurrentDoc();
  if (!doc || !IsShown()) return;
  grid_->ApplyFlags(doc->Data().settings.layout);
  firstLayoutDone_ = true;
  LayoutPanes();
}

void MainFrame::ApplyBarVisibility(const DisplayOptions& display) {
  if (controls_.bar->IsShown() != (display.mainToolBar != 0))
    controls_.bar->Show(display.mainToolBar != 0);
  if (GetStatusBar()->IsShown() != (display.statusBar != 0))
    GetStatusBar()->Show(display.statusBar != 0);
  if (TreePane* tree = panes_.tree; tree && tree->IsToolBarShown() != (display.treeToolBar != 0))
    tree->ShowToolBar(display.treeToolBar != 0);
  SendSizeEvent();
}

void MainFrame::ShowAtStoredPlace() {
  if (placement_->StartsMaximised()) Maximize();
  Show();
}

void MainFrame::SetTotalCount(int count) { controls_.totalCount->SetLabel(TotalCountText(count)); }

void MainFrame::SetSelectedCount(int count) {
  controls_.selectedCount->SetLabel(SelectedCountText(count));
}

void MainFrame::OnSize(wxSizeEvent& event) {
  event.Skip();
  // After the frame has sized its children.
  CallAfter([this] {
    LayoutPanes();
    if (!firstLayoutDone_) ApplyPaneFlags();
  });
}

void MainFrame::OnTogglePane(wxCommandEvent& event) {
  ListoraDoc* doc = CurrentDoc();
  const PaneId pane = PaneFor(event.GetId());
  if (doc && grid_->Toggle(pane)) doc->SetPaneShown(pane, grid_->IsVisible(pane));
}

void MainFrame::OnUpdatePane(wxUpdateUIEvent& event) {
  event.Check(grid_->IsVisible(PaneFor(event.GetId())));
}

void MainFrame::OnToggleTreeToolBar(wxCommandEvent&) {
  TreePane* tree = panes_.tree;
  if (!tree) return;
  tree->ShowToolBar(!tree->IsToolBarShown());
  if (ListoraDoc* doc = CurrentDoc())
    doc->SetTreeToolBarShown(doc->Data().settings.display.treeToolBar == 0);
}

void MainFrame::OnUpdateTreeToolBar(wxUpdateUIEvent& event) {
  const TreePane* tree = panes_.tree;
  event.Enable(tree != nullptr);
  event.Check(tree && tree->IsToolBarShown());
}

void MainFrame::OnToggleBar(wxCommandEvent& event) {
  wxWindow* bar =
      event.GetId() == cmd::kToggleToolBar ? controls_.bar : static_cast<wxWindow*>(GetStatusBar());
  bar->Show(!bar->IsShown());
  SendSizeEvent();
}

void MainFrame::OnUpdateBar(wxUpdateUIEvent& event) {
  const wxWindow* bar =
      event.GetId() == cmd::kToggleToolBar ? controls_.bar : static_cast<wxWindow*>(GetStatusBar());
  event.Check(bar->IsShown());
}

void MainFrame::ShowRecentFiles() {
  if (const wxFileHistory* history = m_docManager->GetFileHistory())
    listora::ShowRecentFiles(*menus_.file, *history);
}

void MainFrame::OnSwitchPane(wxCommandEvent& event) {
  // Reading order over the grid, skipping hidden panes.
  const PaneSet& panes = panes_;
  const struct {
    PaneId id;
    wxWindow* window;
    wxWindow* focus;  // the control inside that takes the keys
  } order[] = {{PaneId::kList, panes.list, panes.list},
               {PaneId::kTree, panes.tree, panes.tree ? panes.tree->Tree() : nullptr},
               {PaneId::kText, panes.text, panes.text},
               {PaneId::kImage, panes.image, panes.image}};
  constexpr int kCount = static_cast<int>(std::size(order));
  int current = 0;
  for (const wxWindow* focus = FindFocus(); focus; focus = focus->GetParent()) {
    const auto found = std::find_if(std::begin(order), std::end(order),
                                    [focus](const auto& pane) { return pane.window == focus; });
    if (found != std::end(order)) {
      current = static_cast<int>(found - std::begin(order));
      break;
    }
  }
  const int step = event.GetId() == cmd::kNextPane ? 1 : kCount - 1;
  for (int i = 1; i < kCount; ++i) {
    const auto& pane = order[(current + i * step) % kCount];
    if (pane.focus && grid_->IsVisible(pane.id)) {
      pane.focus->SetFocus();
      return;
    }
  }
}

void MainFrame::UpdateKeyIndicators() {
  wxStatusBar* status = GetStatusBar();
  if (!status || !status->IsShown()) return;
  const struct {
    int field;
    wxKeyCode key;
    const char* text;
  } indicators[] = {{kCapsField, WXK_CAPITAL, "CAP"},
                    {kNumField, WXK_NUMLOCK, "NUM"},
                    {kScrollField, WXK_SCROLL, "SCRL"}};
  for (const auto& indicator : indicators) {
    const wxString text = wxGetKeyState(indicator.key) ? wxString(indicator.text) : wxString();
    if (status->GetStatusText(indicator.field) != text)
      status->SetStatusText(text, indicator.field);
  }
}

}  // namespace listora
