#include "ui/frame/search_box.h"

#include <algorithm>

namespace listora {

wxDEFINE_EVENT(EVT_SEARCH_HISTORY_REMOVED, wxCommandEvent);

namespace {

// The drop-down list. Its highlighted row is the entry a key or a click
// acts on.
class HistoryList : public wxVListBoxComboPopup {
 public:
  explicit HistoryList(SearchBox& box) : box_(box) {}

  bool Create(wxWindow* parent) override {
    if (!wxVListBoxComboPopup::Create(parent)) return false;
    Bind(wxEVT_KEY_DOWN, &HistoryList::OnKeyDown, this);
    Bind(wxEVT_RIGHT_DOWN, &HistoryList::OnRightDown, this);
    return true;
  }

 private:
  int Highlighted() const { return box_.IsPopupShown() ? wxVListBox::GetSelection() : wxNOT_FOUND; }

  void OnKeyDown(wxKeyEvent& event) {
    const int entry = Highlighted();
    if (event.GetKeyCode() != WXK_DELETE || entry == wxNOT_FOUND) {
      event.Skip();
      return;
    }
    box_.RemoveHistoryEntry(static_cast<unsigned int>(entry));
  }

  void OnRightDown(wxMouseEvent& event) {
    const int entry = Highlighted();
    if (entry == wxNOT_FOUND || !GetClientRect().Contains(event.GetPosition())) {
      event.Skip();
      return;
    }
    box_.RemoveHistoryEntry(static_cast<unsigned int>(entry));
  }

  SearchBox& box_;
};

}  // namespace

SearchBox::SearchBox(wxWindow* parent, wxWindowID id, const wxSize& size)
    : wxOwnerDrawnComboBox(parent, id, wxString(), wxDefaultPosition, size, wxArrayString(),
                           wxCB_DROPDOWN | wxTE_PROCESS_ENTER) {
  SetPopupControl(new HistoryList(*this));
  // About a hundred pixels of list: five entries show without hiding the
  // tool bar.
  SetPopupMaxHeight(100);
}

void SearchBox::RemoveHistoryEntry(unsigned int n) {
  if (n >= GetCount()) return;
  const wxString text = GetValue();
  Delete(n);
  if (GetValue() != text) ChangeValue(text);
  // The removal alone does not redraw a list that is open.
  if (IsPopupShown()) GetPopupControl()->GetControl()->Refresh();
  wxCommandEvent removed(EVT_SEARCH_HISTORY_REMOVED, GetId());
  removed.SetEventObject(this);
  removed.SetInt(static_cast<int>(n));
  ProcessWindowEvent(removed);
}

std::vector<wxString> SearchBox::History() const {
  std::vector<wxString> entries;
  for (unsigned int i = 0; i < GetCount(); ++i) entries.push_back(GetString(i));
  return entries;
}

void SearchBox::ShowHistory(const std::vector<wxString>& entries) {
  const std::vector<wxString> shown = History();
  if (entries == shown) return;
  const wxString text = GetValue();
  if (entries.size() == shown.size() + 1 &&
      std::equal(shown.begin(), shown.end(), entries.begin() + 1)) {
    // A search put its text on top.
    Insert(entries.front(), 0);
  } else {
    Clear();
    for (const wxString& entry : entries) Append(entry);
  }
  if (GetValue() != text) ChangeValue(text);
  if (IsPopupShown()) GetPopupControl()->GetControl()->Refresh();
}

}  // namespace listora
