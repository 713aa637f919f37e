#pragma once
// What the item tools' dialogs share: an Enter key that neither presses a
// button nor closes the dialog, and fields that take one dropped file or
// folder.

#include <wx/dnd.h>

#include <functional>

class wxDialog;
class wxTextCtrl;

namespace listora {

// The dialog swallows the Enter key (Escape still cancels).
void SwallowEnter(wxDialog& dialog);

// Takes a drop of exactly one existing path of the wanted kind on a text
// field and puts the path there; anything else is ignored.
class SinglePathDrop : public wxFileDropTarget {
 public:
  enum class Kind { kFile, kFolder };
  SinglePathDrop(wxTextCtrl* field, Kind kind) : field_(field), kind_(kind) {}
  bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& files) override;

 private:
  wxTextCtrl* field_;
  Kind kind_;
};

}  // namespace listora
