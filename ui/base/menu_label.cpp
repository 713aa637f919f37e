#include "ui/base/menu_label.h"

#include <wx/menu.h>

#include "ui/base/command_help.h"

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

void AppendCommand(wxMenu& menu, int id, const char* text, wxItemKind kind) {
  menu.Append(id, WxMenuLabel(wxString::FromUTF8(text)), HelpFor(id).prompt, kind);
}

void AppendSubMenu(wxMenu& menu, wxMenu* sub, const char* text) {
  menu.AppendSubMenu(sub, wxString::FromUTF8(text));
}

}  // namespace listora
