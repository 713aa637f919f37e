#pragma once
// Menu texts are written with the mnemonic after the shortcut ("新規作成\tCtrl+N(&N)"). wx reads
// everything after the tab as the shortcut, so the mnemonic moves before the tab and the blanks
// leave the shortcut ("新規作成(&N)\tCtrl+N").

#include <wx/defs.h>
#include <wx/string.h>

class wxMenu;

namespace listora {

wxString WxMenuLabel(const wxString& exactText);

// Appends command `id` with its exact text (UTF-8) and its status-bar prompt.
void AppendCommand(wxMenu& menu, int id, const char* text, wxItemKind kind = wxITEM_NORMAL);
void AppendSubMenu(wxMenu& menu, wxMenu* sub, const char* text);

}  // namespace listora
