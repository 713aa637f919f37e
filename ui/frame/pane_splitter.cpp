#include "ui/frame/pane_splitter.h"

namespace listora {

PaneSplitter::PaneSplitter(wxWindow* parent, wxSplitMode mode)
    : wxSplitterWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                       wxSP_3D | wxSP_LIVE_UPDATE | wxSP_NO_XP_THEME),
      mode_(mode) {
  // Panes are hidden only by the pane commands, never by dragging the bar
  // to the edge or double-clicking it.
  SetMinimumPaneSize(20);
  Bind(wxEVT_SPLITTER_DOUBLECLICKED, [](wxSplitterEvent& event) { event.Veto(); });
  Bind(wxEVT_SPLITTER_SASH_POS_CHANGED, [this](wxSplitterEvent& event) {
    event.Skip();
    if (onSashReleased_) CallAfter([this] { onSashReleased_(); });
  });
}

void PaneSplitter::SplitPanes(wxWindow* first, wxWindow* second) {
  panes_[0] = first;
  panes_[1] = second;
  Resplit(0);
}

void PaneSplitter::Resplit(int sash) {
  panes_[0]->Show();
  panes_[1]->Show();
  if (mode_ == wxSPLIT_VERTICAL)
    SplitVertically(panes_[0], panes_[1], sash);
  else
    SplitHorizontally(panes_[0], panes_[1], sash);
}

void PaneSplitter::HidePane(int index) {
  if (hidden_ != -1 || index < 0 || index > 1) return;
  keptSash_ = GetSashPosition();
  hidden_ = index;
  Unsplit(panes_[index]);
}

void PaneSplitter::ShowHiddenPane() {
  if (hidden_ == -1) return;
  hidden_ = -1;
  Resplit(keptSash_);
}

int PaneSplitter::FirstSize() const { return IsSplit() ? GetSashPosition() : keptSash_; }

void PaneSplitter::SetFirstSize(int pixels) {
  if (IsSplit())
    SetSashPosition(pixels);
  else
    keptSash_ = pixels;
}

}  // namespace listora
