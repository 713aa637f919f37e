#pragma once
// The image file chooser of the item entry dialog and of image association.

#include <wx/string.h>

class wxWindow;

namespace listora {

// The chosen picture's path; empty when the chooser was cancelled.
wxString ChooseImageFile(wxWindow* owner);

}  // namespace listora
