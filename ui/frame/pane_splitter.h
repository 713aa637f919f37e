#pragma once
// `PaneSplitter`: a two-pane splitter that can park one of its panes and
// bring it back at the size it had, and that reports when the user lets go
// of its bar (so the split positions can be captured).

#include <wx/splitter.h>

#include <functional>

namespace listora {

class PaneSplitter : public wxSplitterWindow {
 public:
  // wxSPLIT_VERTICAL splits into two columns, wxSPLIT_HORIZONTAL into rows.
  PaneSplitter(wxWindow* parent, wxSplitMode mode);

  void SplitPanes(wxWindow* first, wxWindow* second);
  // Parks pane 0 or 1 (at most one at a time); ShowHiddenPane brings it
  // back with the split where it was.
  void HidePane(int index);
  void ShowHiddenPane();
  int HiddenPane() const { return hidden_; }
  bool IsPaneShown(int index) const { return hidden_ != index; }

  // Size of the first pane: the sash position, or while a pane is parked
  // the one it will come back with.
  int FirstSize() const;
  void SetFirstSize(int pixels);

  void SetOnSashReleased(std::function<void()> handler) { onSashReleased_ = std::move(handler); }

 private:
  void Resplit(int sash);

  wxSplitMode mode_;
  wxWindow* panes_[2] = {nullptr, nullptr};
  int hidden_ = -1;
  int keptSash_ = 0;
  std::function<void()> onSashReleased_;
};

}  // namespace listora
