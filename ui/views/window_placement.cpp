#include "ui/views/window_placement.h"

#include <wx/frame.h>

#include "core/app/profile.h"

namespace listora {

WindowPlacement::WindowPlacement(wxFrame& frame, Profile& profile)
    : frame_(frame), profile_(profile) {
  if (profile_.GetInt("Main", "SizeMax", 0) != 0) {
    frame_.SetSize(profile_.GetInt("Main", "SizeLeft", 0), profile_.GetInt("Main", "SizeTop", 0),
                   profile_.GetInt("Main", "SizeWidth", 800),
                   profile_.GetInt("Main", "SizeHeight", 600));
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

void WindowPlacement::Track() {
  if (!frame_.IsMaximized() && !frame_.IsIconized()) normal_ = frame_.GetRect();
}

void WindowPlacement::Store() {
  if (profile_.GetInt("Main", "SizeMax", 1) != 1) return;
  profile_.WriteInt("Main", "SizeLeft", normal_.x);
  profile_.WriteInt("Main", "SizeTop", normal_.y);
  profile_.WriteInt("Main", "SizeWidth", normal_.width);
  profile_.WriteInt("Main", "SizeHeight", normal_.height);
}

}  // namespace listora
