#include "ui/support/clipboard.h"

#include <gtest/gtest.h>
#include <wx/clipbrd.h>

#include "ui/panes/list_clipboard_io.h"
#include "ui/support/gui_app.h"

namespace listora::test {

void SetClipboardText(const wxString& text) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    ASSERT_TRUE(PutClipboardUnicodeText(text));
    if (ClipboardHolds(text)) return;
  }
  ADD_FAILURE() << "the clipboard never held \"" << text << "\"";
}

wxString ClipboardText() {
  wxTextDataObject data;
  if (wxTheClipboard->Open()) {
    if (wxTheClipboard->IsSupported(wxDF_UNICODETEXT)) wxTheClipboard->GetData(data);
    wxTheClipboard->Close();
  }
  return data.GetText();
}

bool ClipboardHolds(const wxString& text) {
  return PumpUntil([&text] { return ClipboardText() == text; });
}

}  // namespace listora::test
