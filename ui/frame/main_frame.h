#pragma once
// `MainFrame`: the one main window. Menu bar, main tool bar (search box and
// count labels), status bar, and the four panes in their splitters; shows
// and hides panes and bars, and keeps its place on the screen.

#include <wx/docview.h>

#include <memory>

#include "core/doc/document_settings.h"
#include "ui/frame/main_menu.h"
#include "ui/frame/main_tool_bar.h"
#include "ui/frame/pane_grid.h"
#include "ui/frame/search_box.h"
#include "ui/panes/pane_set.h"

class wxStaticText;

namespace listora {

class ListoraDoc;
struct ProgramState;
class FramePlacement;

class MainFrame : public wxDocParentFrame {
 public:
  // `program` outlives the frame: its settings file gives the window's
  // place and bars, and the print layout command changes its layout.
  MainFrame(wxDocManager* manager, ProgramState& program);
  ~MainFrame() override;

  // Brings the File menu's recent-file entries up to date with the list.
  void ShowRecentFiles();
  PaneGrid& Panes() { return *grid_; }
  // The four panes, for whoever shows the document in them.
  const PaneSet& PaneWindows() const { return panes_; }
  wxToolBar* MainToolBar() const { return controls_.tools; }
  SearchBox* SearchField() const { return controls_.searchBox; }
  wxStaticText* TotalCountLabel() const { return controls_.totalCount; }
  wxStaticText* SelectedCountLabel() const { return controls_.selectedCount; }

  // What the list view's initial update asks of the frame, in this order.
  void RebuildColumnMenus(const ColumnDescriptors& columns);
  void ApplyPaneFlags();
  void ApplyBarVisibility(const DisplayOptions& display);

  // Shows the window maximised or where the settings file placed it.
  void ShowAtStoredPlace();

  void SetTotalCount(int count);
  void SetSelectedCount(int count);

  // The window's own commands, bound by the table of commands.
  void OnTogglePane(wxCommandEvent& event);
  void OnUpdatePane(wxUpdateUIEvent& event);
  void OnToggleTreeToolBar(wxCommandEvent& event);
  void OnUpdateTreeToolBar(wxUpdateUIEvent& event);
  void OnToggleBar(wxCommandEvent& event);
  void OnUpdateBar(wxUpdateUIEvent& event);
  void OnSwitchPane(wxCommandEvent& event);

 private:
  ListoraDoc* CurrentDoc() const;
  void CreatePanes();
  void LayoutPanes();
  void OnSize(wxSizeEvent& event);
  void UpdateKeyIndicators();

  ProgramState& program_;
  MainMenus menus_;
  MainToolBarControls controls_;
  std::unique_ptr<PaneGrid> grid_;
  PaneSet panes_;
  std::unique_ptr<FramePlacement> placement_;
  bool firstLayoutDone_ = false;
};

}  // namespace listora
