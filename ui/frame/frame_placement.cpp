#include "ui/frame/frame_placement.h"

#include <wx/frame.h>

#include "core/app/profile.h"
#include "core/app/window_placement.h"

namespace listora {

FramePlacement::FramePlacement(wxFrame& frame, Profile& profile)
    : frame_(frame), profile_(profile) {
  const WindowPlacement placement = ReadWindowPlacement(profile_);
  maximised_ = placement.mode == StartMode::kMaximised;
  if (!maximised_) {
    const WindowRect& rect = placement.rect;
    frame_.SetSize(rect.left, rect.top, rect.width, rect.height);
  }
  normal_ = frame_.GetRect();
  frame_.Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    Track();
    event.Skip();
  });
  frame_.Bind(wxEVT_MOVE, [this](wxMoveEvent& event) {
    Track();
    event.Skip();
  });
}

void FramePlacement::Track() {
  if (!frame_.IsMaximized() && !frame_.IsIconized()) normal_ = frame_.GetRect();
}

void FramePlacement::Store() {
  StoreWindowPlacementAtExit(profile_,
                             WindowRect{normal_.x, normal_.y, normal_.width, normal_.height});
}

}  // namespace listora
