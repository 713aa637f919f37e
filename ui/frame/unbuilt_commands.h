#pragma once
// Commands whose menu entries and buttons are shown but whose handling is
// not in the program yet: they are kept disabled. Remove an ID from the list
// in unbuilt_commands.cpp when its handler (with its own update-UI rule, if
// any) is added.

class wxEvtHandler;

namespace listora {

// For the frame and for the document manager, which sees the frame's
// commands first and has handlers of its own for some (print, preview).
void DisableUnbuiltCommands(wxEvtHandler& handler);

}  // namespace listora
