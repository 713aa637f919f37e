#include "ui/frame/pane_grid.h"

#include <algorithm>

#include "ui/frame/pane_splitter.h"

namespace listora {

namespace {

constexpr int kBorder = 10;
// The order in which the view flags are applied.
constexpr PaneId kAllPanes[] = {PaneId::kList, PaneId::kTree, PaneId::kText, PaneId::kImage};

struct Place {
  int column;  // in the main splitter: 0 left, 1 right
  int row;     // in that column's splitter
};

Place PlaceOf(PaneId pane) {
  switch (pane) {
    case PaneId::kList: return {0, 0};
    case PaneId::kText: return {0, 1};
    case PaneId::kTree: return {1, 0};
    case PaneId::kImage: return {1, 1};
  }
  return {0, 0};
}

PaneId PaneAt(int column, int row) {
  if (column == 0) return row == 0 ? PaneId::kList : PaneId::kText;
  return row == 0 ? PaneId::kTree : PaneId::kImage;
}

std::uint8_t FlagOf(PaneId pane, const PaneLayout& layout) {
  switch (pane) {
    case PaneId::kList: return layout.showList;
    case PaneId::kTree: return layout.showTree;
    case PaneId::kText: return layout.showText;
    case PaneId::kImage: return layout.showImage;
  }
  return layout.showList;
}

}  // namespace

int IdealFirstSize(int extent, std::int32_t split) {
  const std::int64_t numerator =
      static_cast<std::int64_t>(std::max(extent - kBorder, 0)) * std::clamp(split, 0, 10000);
  return static_cast<int>((numerator + 9999) / 10000);
}

std::int32_t SplitFromSize(int size, int extent) {
  if (extent - kBorder <= 0) return 0;
  return static_cast<std::int32_t>(static_cast<std::int64_t>(size) * 10000 / (extent - kBorder));
}

PaneGrid::PaneGrid(wxWindow* parent)
    : main_(new PaneSplitter(parent, wxSPLIT_VERTICAL)),
      left_(new PaneSplitter(main_, wxSPLIT_HORIZONTAL)),
      right_(new PaneSplitter(main_, wxSPLIT_HORIZONTAL)) {
  main_->SplitPanes(left_, right_);
}

wxWindow* PaneGrid::LeftParent() const { return left_; }
wxWindow* PaneGrid::RightParent() const { return right_; }

void PaneGrid::SetPanes(wxWindow* list, wxWindow* text, wxWindow* tree, wxWindow* image) {
  left_->SplitPanes(list, text);
  right_->SplitPanes(tree, image);
}

bool PaneGrid::IsVisible(PaneId pane) const {
  const Place place = PlaceOf(pane);
  const PaneSplitter& column = place.column == 0 ? *left_ : *right_;
  return main_->IsPaneShown(place.column) && column.IsPaneShown(place.row);
}

bool PaneGrid::Toggle(PaneId pane) {
  const Place place = PlaceOf(pane);
  const PaneId sibling = PaneAt(place.column, 1 - place.row);
  PaneSplitter& column = place.column == 0 ? *left_ : *right_;
  const bool othersHidden =
      std::none_of(std::begin(kAllPanes), std::end(kAllPanes),
                   [&](PaneId other) { return other != pane && IsVisible(other); });
  if (othersHidden) return false;  // the last visible pane stays

  if (IsVisible(pane)) {
    if (IsVisible(sibling))
      column.HidePane(place.row);
    else
      main_->HidePane(place.column);
  } else {
    if (main_->IsPaneShown(place.column)) {
      column.ShowHiddenPane();
    } else {
      // The whole column was hidden: it comes back with only this pane.
      main_->ShowHiddenPane();
      column.ShowHiddenPane();
      column.HidePane(1 - place.row);
    }
  }
  return true;
}

void PaneGrid::ApplyFlags(const PaneLayout& layout) {
  for (PaneId pane : kAllPanes) {
    if (IsVisible(pane) != (FlagOf(pane, layout) != 0)) Toggle(pane);
  }
}

void PaneGrid::ApplySplits(const PaneLayout& layout) {
  const int width = main_->GetClientSize().x;
  const int height = main_->GetClientSize().y;
  if (width <= kBorder || height <= kBorder) return;
  main_->SetFirstSize(IdealFirstSize(width, layout.split1));
  left_->SetFirstSize(IdealFirstSize(height, layout.split2));
  right_->SetFirstSize(IdealFirstSize(height, layout.split3));
}

void PaneGrid::CaptureSplits(PaneLayout& layout) const {
  const int width = main_->GetClientSize().x;
  const int height = main_->GetClientSize().y;
  if (width <= kBorder || height <= kBorder) return;
  layout.split1 = SplitFromSize(main_->FirstSize(), width);
  layout.split2 = SplitFromSize(left_->FirstSize(), height);
  layout.split3 = SplitFromSize(right_->FirstSize(), height);
}

}  // namespace listora
