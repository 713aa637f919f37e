#pragma once
// Whether a window of the program holds the input for itself: any modal
// dialog (message boxes and file choosers included, all of which pass
// wxWidgets' modal dialog hook) or the progress dialog of a long run. While
// one is open the main window takes nothing, drops included.

namespace listora {

// Starts following modal dialogs; called once at start-up, before any opens.
void FollowModalDialogs();

// A modal dialog or a long run's progress dialog is open.
bool InputHeldElsewhere();

// The input is held for as long as one of these lives (the progress dialog
// owns one).
class HeldInput {
 public:
  HeldInput();
  ~HeldInput();
  HeldInput(const HeldInput&) = delete;
  HeldInput& operator=(const HeldInput&) = delete;
};

}  // namespace listora
