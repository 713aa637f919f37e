#pragma once
// Opening an image file with the desktop's editor (or, failing that, its
// viewer) for the file's type, without waiting for it.

#include <wx/string.h>

namespace listora {

enum class EditorLaunch { kStarted, kNoApplication, kFailed };

// Tries the type's "edit" command, then "xdg-open", then the type's "open"
// command. kNoApplication when none of them is known.
EditorLaunch LaunchImageEditor(const wxString& file);

}  // namespace listora
