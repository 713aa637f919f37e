#pragma once
// Copy, cut and paste from the keyboard act on the text field that has the
// focus (the memo, the search box, a cell being edited); anywhere else they
// do nothing. Undo and redo are the field's history (text_undo.h).

class wxCommandEvent;
class wxTextEntry;

namespace listora {

void EditFocusedText(wxCommandEvent& event);
// The text field that has the focus; null when none has.
wxTextEntry* FocusedTextEntry();

}  // namespace listora
