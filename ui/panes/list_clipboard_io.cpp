#include "ui/panes/list_clipboard_io.h"

#include <wx/clipbrd.h>

#include "ui/text/text_convert.h"

namespace listora {

bool PutClipboardText(std::string_view cp932) { return PutClipboardUnicodeText(ToWx(cp932)); }

bool PutClipboardUnicodeText(const wxString& text) {
  if (!wxTheClipboard->Open()) return false;
  // Giving up text this process offered makes the X server send a notice
  // that the toolkit takes as "drop the clipboard data". Arriving after the
  // new text was offered, it would drop the new text; the question below
  // goes through the server, so the notice is handled before its answer.
  wxTheClipboard->Clear();
  wxTheClipboard->IsSupported(wxDF_UNICODETEXT);
  wxTheClipboard->SetData(new wxTextDataObject(text));
  wxTheClipboard->Close();
  return true;
}

std::optional<std::string> TakeClipboardText() {
  if (!wxTheClipboard->Open()) return std::nullopt;
  wxTextDataObject data;
  const bool hasText =
      wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT);
  if (hasText && !wxTheClipboard->GetData(data)) data.SetText(wxString());
  wxTheClipboard->Close();
  return TextFromWx(data.GetText());
}

}  // namespace listora
