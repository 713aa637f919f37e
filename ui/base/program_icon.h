#pragma once
// The program's icon, the image installed for the desktop, built into the
// program: the main window's and the about box's.

#include <wx/bmpbndl.h>
#include <wx/iconbndl.h>

namespace listora {

// The icon at the sizes window managers ask for.
wxIconBundle ProgramIcons();
// The icon as a picture `size` pixels square (at the display's scale).
wxBitmapBundle ProgramIconImage(int size);

}  // namespace listora
