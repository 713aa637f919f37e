#pragma once
// Menu texts are written with the
// mnemonic after the shortcut ("新規作成\tCtrl+N(&N)"). wx reads everything
// after the tab as the shortcut, so the mnemonic moves before the tab and
// the blanks leave the shortcut ("新規作成(&N)\tCtrl+N").

#include <wx/string.h>

namespace listora {

wxString WxMenuLabel(const wxString& exactText);

}  // namespace listora
