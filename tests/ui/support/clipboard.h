#pragma once
// The clipboard as the tests use it. The toolkit gives up and takes the
// clipboard back through the X server, so a change shows only after the
// server has answered: these wait for it instead of reading too early.

#include <wx/string.h>

namespace listora::test {

// Puts `text` on the clipboard and waits until it reads back (setting it
// again when a late answer to an earlier change took it away).
void SetClipboardText(const wxString& text);
// What the clipboard holds now; empty when it holds no text.
wxString ClipboardText();
// Waits until the clipboard holds `text`; true when it does.
bool ClipboardHolds(const wxString& text);

}  // namespace listora::test
