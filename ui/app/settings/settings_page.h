#pragma once
// One page of the settings dialog. A page shows one set of values at a
// time; it loads its controls from the set when shown and stores them back
// when hidden and when the dialog applies.

#include <wx/panel.h>

#include <cstdint>
#include <string_view>

#include "core/app/settings_sets.h"

class wxColour;
class wxStaticBoxSizer;

namespace listora {

// Which of the list, tree and text views a view page edits.
enum class StyledPane { kList, kTree, kText };

class SettingsPage : public wxPanel {
 public:
  using wxPanel::wxPanel;

  // Loads the controls from `set` and keeps it as the current set.
  virtual void ShowSet(SettingsSet& set, StyledPane pane) = 0;
  // Stores the controls into the current set; false (after telling the
  // user) when a value is refused, and the page keeps its controls.
  virtual bool StoreSet() = 0;
};

// The page's outer frame titled `utf8Title`; the controls go inside it.
wxStaticBoxSizer* PageFrame(wxWindow* page, std::string_view utf8Title);

// A colour as COLORREF (0x00BBGGRR).
std::uint32_t ToColorRef(const wxColour& colour);
// The standard colour dialog; true when the user chose `colour`.
bool ChooseColorRef(wxWindow* parent, std::uint32_t& colour);

}  // namespace listora
