#pragma once
// The save chooser for documents and exports. The file's extension is added
// to a name typed without one before the overwrite question is asked, so
// the question is about the file that will be written.

#include <wx/string.h>

class wxWindow;

namespace listora {

// The path to write, or empty when the user gave up. `proposed` may carry
// a folder, where the chooser starts; `extension` has no dot. An existing
// file is replaced only after a Yes; a No shows the chooser again.
// `fileType` (when given) receives the file type chosen, counted from 0.
wxString ChooseSavePath(wxWindow* owner, const wxString& title, const wxString& proposed,
                        const wxString& wildcard, const wxString& extension,
                        int* fileType = nullptr);

}  // namespace listora
