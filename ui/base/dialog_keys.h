#pragma once
// Enter confirms and Escape cancels in the program's small dialogs, from
// whichever of their fields has the focus.

class wxButton;
class wxDialog;

namespace listora {

// `ok` becomes the default button: Enter clicks it (so its own checks run),
// Escape ends the dialog with wxID_CANCEL.
void UseEnterAndEscape(wxDialog& dialog, wxButton& ok);

}  // namespace listora
