#pragma once
// `CListoraTree`: the tree pane, its own tool bar (grouping commands and the
// parent-count label) above a tree control.

#include <wx/panel.h>

#include "core/app/settings.h"

class wxStaticText;
class wxToolBar;
class wxTreeCtrl;

namespace listora {

class CListoraTree : public wxPanel {
 public:
  // `showToolBar`: `Main`/`TreeTool` at creation.
  CListoraTree(wxWindow* parent, bool showToolBar);

  void ApplyStyle(const ViewStyle& style);
  // Removes every node; the parent count goes back to 0.
  void Clear();
  bool IsToolBarShown() const;
  void ShowToolBar(bool show);
  wxTreeCtrl* Tree() const { return tree_; }

 private:
  wxToolBar* toolBar_;
  wxStaticText* parentCount_;
  wxTreeCtrl* tree_;
};

}  // namespace listora
