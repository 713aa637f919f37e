#include "ui/base/dialog_keys.h"

#include <wx/button.h>
#include <wx/dialog.h>

namespace listora {

void UseEnterAndEscape(wxDialog& dialog, wxButton& ok) {
  ok.SetDefault();
  dialog.SetEscapeId(wxID_CANCEL);
  // Handled before the focused field sees the key: a password field would
  // otherwise keep Enter, and the dialogs have no cancel button for the
  // toolkit's Escape to press.
  dialog.Bind(wxEVT_CHAR_HOOK, [&dialog, &ok](wxKeyEvent& event) {
    switch (event.GetKeyCode()) {
      case WXK_RETURN:
      case WXK_NUMPAD_ENTER: {
        wxCommandEvent click(wxEVT_BUTTON, ok.GetId());
        click.SetEventObject(&ok);
        ok.ProcessWindowEvent(click);
        return;
      }
      case WXK_ESCAPE:
        if (dialog.IsModal()) dialog.EndModal(wxID_CANCEL);
        return;
      default: event.Skip();
    }
  });
}

}  // namespace listora
