#pragma once
// Copy, cut, paste, undo and redo from the keyboard act on the text field
// that has the focus (the memo, the search box, a cell being edited);
// anywhere else copy, cut and paste do nothing.

class wxCommandEvent;
class wxTextEntry;

namespace listora {

void EditFocusedText(wxCommandEvent& event);
// The text field that has the focus; null when none has.
wxTextEntry* FocusedTextEntry();

}  // namespace listora
