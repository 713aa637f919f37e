#pragma once
// The main window's place on the screen, by the core's placement rules
// (core/app/window_placement.h): the frame opens maximised or at the stored
// rectangle, and its normal (not maximised) rectangle is followed so it can
// be written back when the window goes.

#include <wx/gdicmn.h>

class wxFrame;

namespace listora {

class SettingsFile;

class FramePlacement {
 public:
  // Moves the frame to its stored rectangle unless it starts maximised, and
  // follows its normal rectangle from then on.
  FramePlacement(wxFrame& frame, SettingsFile& settingsFile);

  bool StartsMaximised() const { return maximised_; }
  void Store();

 private:
  void Track();

  wxFrame& frame_;
  SettingsFile& settingsFile_;
  bool maximised_ = true;
  wxRect normal_;
};

}  // namespace listora
