#pragma once
// wx reads everything after a tab in a menu label as the shortcut, so a
// mnemonic written after the shortcut ("新規作成\tCtrl+N(&N)") moves before
// the tab and the blanks leave the shortcut ("新規作成(&N)\tCtrl+N").

#include <wx/string.h>

namespace listora {

wxString WxMenuLabel(const wxString& exactText);

}  // namespace listora
