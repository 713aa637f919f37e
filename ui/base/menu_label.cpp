#include "ui/base/menu_label.h"

namespace listora {

wxString WxMenuLabel(const wxString& exactText) {
  const int tab = exactText.Find('\t');
  if (tab == wxNOT_FOUND) return exactText;
  const wxString head = exactText.Left(tab);
  wxString shortcut = exactText.Mid(tab);
  wxString mnemonic;
  const size_t open = shortcut.rfind("(&");
  if (open != wxString::npos && shortcut.EndsWith(")")) {
    mnemonic = shortcut.Mid(open);
    shortcut.Truncate(open);
  }
  shortcut.Replace("\t", "");
  shortcut.Replace(" ", "");
  return shortcut.empty() ? head + mnemonic : head + mnemonic + "\t" + shortcut;
}

}  // namespace listora
