#pragma once
// Files dropped on the main window. One ".ltb" file (any case) is opened as
// the document; other drops go to the pane under the drop point.

#include <wx/dnd.h>

namespace listora {

class MainWindowDrop : public wxFileDropTarget {
 public:
  bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& files) override;
};

// True for exactly one path whose extension is "ltb" without regard to case.
bool IsSingleDocumentDrop(const wxArrayString& files);

}  // namespace listora
