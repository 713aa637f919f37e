#include "ui/base/menu_label.h"

#include <wx/menu.h>

#include "ui/base/command.h"
#include "ui/text/text_convert.h"

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

void AppendCommand(wxMenu& menu, int id, char mnemonic) {
  const Command* command = FindCommand(id);
  if (!command) return;
  wxString text = Utf8(command->menuText);
  const size_t marker = text.find("(&");
  if (mnemonic != 0 && marker != wxString::npos && marker + 2 < text.length())
    text[marker + 2] = mnemonic;
  menu.Append(id, WxMenuLabel(text), Utf8(command->prompt), command->kind);
}

void AppendSubMenu(wxMenu& menu, wxMenu* sub, std::string_view text) {
  menu.AppendSubMenu(sub, Utf8(text));
}

}  // namespace listora
