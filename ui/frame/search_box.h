#pragma once
// The search box of the main tool bar: an editable drop-down whose list
// shows the document's search history. While the list is open, Delete or a
// right click on an entry removes that entry and reports the removal as
// EVT_SEARCH_HISTORY_REMOVED (int: the entry's position), so the document
// drops it too.

#include <wx/odcombo.h>

#include <vector>

namespace listora {

wxDECLARE_EVENT(EVT_SEARCH_HISTORY_REMOVED, wxCommandEvent);

class SearchBox : public wxOwnerDrawnComboBox {
 public:
  SearchBox(wxWindow* parent, wxWindowID id, const wxSize& size);

  // Removes history entry `n`, leaves the typed text as it is and reports
  // the removal.
  void RemoveHistoryEntry(unsigned int n);

  // The entries of the list, top first.
  std::vector<wxString> History() const;
  // Makes the list show `entries`, top first; the typed text stays.
  void ShowHistory(const std::vector<wxString>& entries);
};

}  // namespace listora
