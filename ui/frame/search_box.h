#pragma once
// The search box of the main tool bar: an editable drop-down whose list is
// the search history. While the list is open, Delete or a right click on
// an entry removes that entry from the history.

#include <wx/odcombo.h>

namespace listora {

class CSearchBox : public wxOwnerDrawnComboBox {
 public:
  CSearchBox(wxWindow* parent, wxWindowID id, const wxSize& size);

  // Removes history entry `n` and leaves the typed text as it is.
  void RemoveHistoryEntry(unsigned int n);
};

}  // namespace listora
