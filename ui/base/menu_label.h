#pragma once
// Menu texts are written with the mnemonic after the shortcut ("新規作成\tCtrl+N(&N)"). wx reads
// everything after the tab as the shortcut, so the mnemonic moves before the tab and the blanks
// leave the shortcut ("新規作成(&N)\tCtrl+N").

#include <wx/defs.h>
#include <wx/string.h>

#include <string_view>

class wxMenu;

namespace listora {

wxString WxMenuLabel(const wxString& exactText);

// Appends command `id` with its text, kind and status-bar prompt from the
// table of commands; `mnemonic`, where given, takes the place of the
// letter in the text's "(&X)" for a menu whose entries need other letters.
void AppendCommand(wxMenu& menu, int id, char mnemonic = 0);
void AppendSubMenu(wxMenu& menu, wxMenu* sub, std::string_view text);

}  // namespace listora
