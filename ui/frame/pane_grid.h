#pragma once
// The four panes in their splitters: list over text on the left, tree over
// image on the right. Lays them out from the split percentages of the view
// layout block and shows and hides panes by its rules (the last visible
// pane stays; a column whose both panes are hidden goes away).

#include "core/doc/document_settings.h"
#include "ui/doc/pane_id.h"

class wxWindow;

namespace listora {

class PaneSplitter;

// Pixels of the first pane for a split in hundredths of a percent of the
// extent less 10 pixels, rounded up.
int IdealFirstSize(int extent, std::int32_t split);
// The split value back from pixels, rounded toward zero.
std::int32_t SplitFromSize(int size, int extent);

class PaneGrid {
 public:
  // Creates the three splitters; the panes are created by the caller with
  // LeftParent() and RightParent() as parents, then handed to SetPanes.
  explicit PaneGrid(wxWindow* parent);

  wxWindow* LeftParent() const;
  wxWindow* RightParent() const;
  void SetPanes(wxWindow* list, wxWindow* text, wxWindow* tree, wxWindow* image);

  bool IsVisible(PaneId pane) const;
  // The show/hide command of one pane; false when nothing changed (the
  // last visible pane stays).
  bool Toggle(PaneId pane);
  // Brings every pane to the visibility `layout` asks for, as far as the
  // rules allow.
  void ApplyFlags(const PaneLayout& layout);

  void ApplySplits(const PaneLayout& layout);
  void CaptureSplits(PaneLayout& layout) const;

  PaneSplitter& Main() const { return *main_; }
  PaneSplitter& Left() const { return *left_; }
  PaneSplitter& Right() const { return *right_; }

 private:
  PaneSplitter* main_;
  PaneSplitter* left_;
  PaneSplitter* right_;
};

}  // namespace listora
