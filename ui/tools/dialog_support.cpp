#include "ui/tools/dialog_support.h"

#include <wx/dialog.h>
#include <wx/filename.h>
#include <wx/textctrl.h>

namespace listora {

void SwallowEnter(wxDialog& dialog) {
  dialog.Bind(wxEVT_CHAR_HOOK, [](wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_RETURN || event.GetKeyCode() == WXK_NUMPAD_ENTER) return;
    event.Skip();
  });
}

bool SinglePathDrop::OnDropFiles(wxCoord, wxCoord, const wxArrayString& files) {
  if (files.size() != 1) return false;
  const bool wanted =
      kind_ == Kind::kFolder ? wxFileName::DirExists(files[0]) : wxFileName::FileExists(files[0]);
  if (!wanted) return false;
  field_->SetValue(files[0]);
  return true;
}

}  // namespace listora
