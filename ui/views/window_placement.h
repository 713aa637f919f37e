#pragma once
// The main window's position and size: `Main`/`SizeMax` 0 starts maximised,
// any other value at `SizeLeft`, `SizeTop`, `SizeWidth`, `SizeHeight`; in
// mode 1 (a missing key counts as 1 here) the window's normal (not
// maximised) rectangle is written back when the window goes.

#include <wx/gdicmn.h>

class wxFrame;

namespace listora {

class Profile;

class WindowPlacement {
 public:
  // Moves the frame to its stored place and follows its normal rectangle.
  WindowPlacement(wxFrame& frame, Profile& profile);
  void Store();

 private:
  void Track();

  wxFrame& frame_;
  Profile& profile_;
  wxRect normal_;
};

}  // namespace listora
