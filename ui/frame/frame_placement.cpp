#include "ui/frame/frame_placement.h"

#include <wx/display.h>
#include <wx/frame.h>

#include <vector>

#include "core/app/window_placement.h"
#include "core/base/settings_file.h"

namespace listora {

namespace {

WindowRect ToWindowRect(const wxRect& rect) {
  return WindowRect{rect.x, rect.y, rect.width, rect.height};
}

// The usable areas of the screens as they are now.
std::vector<WindowRect> Screens() {
  std::vector<WindowRect> screens;
  for (unsigned i = 0; i < wxDisplay::GetCount(); ++i)
    screens.push_back(ToWindowRect(wxDisplay(i).GetClientArea()));
  return screens;
}

}  // namespace

FramePlacement::FramePlacement(wxFrame& frame, SettingsFile& settingsFile)
    : frame_(frame), settingsFile_(settingsFile) {
  const WindowPlacement placement = ReadWindowPlacement(settingsFile_);
  maximised_ = placement.mode == StartMode::kMaximised;
  if (!maximised_) {
    // Checked before the toolkit sees it: X wraps coordinates past 16 bits,
    // which could bring a far-off place back as another far-off one.
    const WindowRect rect =
        ReachableRect(placement.rect, Screens(), ToWindowRect(wxDisplay().GetClientArea()));
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
  StoreWindowPlacementAtExit(settingsFile_, ToWindowRect(normal_), Screens());
}

}  // namespace listora
