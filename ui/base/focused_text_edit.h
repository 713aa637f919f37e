#pragma once
// Copy, cut, paste and undo from the keyboard act on the text field that
// has the focus (the memo, the search box, a cell being edited); anywhere
// else they do nothing.

class wxCommandEvent;

namespace listora {

void EditFocusedText(wxCommandEvent& event);

}  // namespace listora
