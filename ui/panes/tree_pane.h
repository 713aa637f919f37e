#pragma once
// `TreePane`: the tree pane, its own tool bar (grouping commands and the
// parent-count label) above a tree control that shows a snapshot of the
// items grouped by one column. The tree changes only by its own commands
// and when a document is started or opened.

#include <wx/panel.h>

#include <memory>

#include "core/doc/document_settings.h"
#include "ui/panes/group_tree_ctrl.h"

class wxImageList;
class wxMenu;
class wxStaticText;
class wxToolBar;

namespace listora {

class ListoraDoc;

class TreePane : public wxPanel {
 public:
  // `showToolBar`: `Main`/`TreeTool` at creation.
  TreePane(wxWindow* parent, bool showToolBar);
  ~TreePane() override;

  // The document grouped and searched; null for none.
  void Attach(ListoraDoc* doc) { doc_ = doc; }

  // The initial update: colours and font of the tree style; the header
  // icons on the nodes while `showIcons` (`Other`/`ICON`).
  void ApplyStyle(const StoredPaneStyle& style, bool showIcons);
  // Removes every node; the parent count goes back to 0.
  void Clear();
  bool IsToolBarShown() const;
  void ShowToolBar(bool show);

  GroupTreeCtrl* Tree() const { return tree_; }
  const wxStaticText* ParentCountLabel() const { return parentCount_; }
  const GroupingTree& Grouping() const { return tree_->Grouping(); }
  // The context menu for a click at `screenPoint`, with the node under it
  // (or else the selected one) selected; null where none is shown.
  std::unique_ptr<wxMenu> ContextMenuAt(const wxPoint& screenPoint);

  // The tree's commands, bound by the table of commands; its tool bar and
  // context menu send them.
  void OnGroup(wxCommandEvent& event);
  void OnExpandOrCollapse(wxCommandEvent& event);
  void OnSearchInList(wxCommandEvent& event);
  void OnCopy(wxCommandEvent& event);
  void OnClear(wxCommandEvent& event);

 private:
  void CreateToolBar();
  void SetParentCount(int count);

  void Group(int position);
  void OnContextMenu(wxContextMenuEvent& event);

  ListoraDoc* doc_ = nullptr;
  wxToolBar* toolBar_ = nullptr;
  wxStaticText* parentCount_ = nullptr;
  wxSizer* toolRow_ = nullptr;  // the tool bar and the count, wrapping
  GroupTreeCtrl* tree_;
  std::unique_ptr<wxImageList> icons_;
};

}  // namespace listora
