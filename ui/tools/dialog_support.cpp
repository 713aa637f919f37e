#include "ui/tools/dialog_support.h"

#include <wx/choice.h>
#include <wx/dcclient.h>
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

void AcceptDigitsOnly(wxTextCtrl& field) {
  field.Bind(wxEVT_CHAR, [](wxKeyEvent& event) {
    const int key = event.GetUnicodeKey();
    const bool typed = key >= WXK_SPACE && key != WXK_DELETE;
    if (!typed || event.HasModifiers() || (key >= '0' && key <= '9')) event.Skip();
  });
}

void SetUserLabel(wxControl& control, const wxString& text, const wxString& tip) {
  wxClientDC dc(&control);
  dc.SetFont(control.GetFont());
  const wxString shown = wxControl::Ellipsize(text, dc, wxELLIPSIZE_END, kUserTextWidth,
                                              wxELLIPSIZE_FLAGS_EXPAND_TABS);
  control.SetLabelText(shown);
  if (shown == text)
    control.SetToolTip(tip);
  else
    control.SetToolTip(tip.empty() ? text : text + "\n" + tip);
}

void LimitChoiceWidth(wxChoice& choice) {
  choice.InvalidateBestSize();
  if (choice.GetBestSize().x > kUserTextWidth) choice.SetMinSize(wxSize(kUserTextWidth, -1));
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
