#include "ui/base/focused_text_edit.h"

#include <wx/event.h>
#include <wx/textentry.h>
#include <wx/window.h>

#include "ui/base/command_ids.h"

namespace listora {

wxTextEntry* FocusedTextEntry() { return dynamic_cast<wxTextEntry*>(wxWindow::FindFocus()); }

void EditFocusedText(wxCommandEvent& event) {
  wxTextEntry* entry = FocusedTextEntry();
  if (!entry) return;
  switch (event.GetId()) {
    case cmd::kCopy:
      if (entry->CanCopy()) entry->Copy();
      break;
    case cmd::kCut:
      if (entry->CanCut()) entry->Cut();
      break;
    case cmd::kPaste:
      if (entry->CanPaste()) entry->Paste();
      break;
  }
}

}  // namespace listora
