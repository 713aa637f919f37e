#include "ui/views/list_clipboard_io.h"

#include <wx/clipbrd.h>

#include "ui/app/text_convert.h"

namespace listora {

bool PutClipboardText(std::string_view cp932) {
  if (!wxTheClipboard->Open()) return false;
  wxTheClipboard->SetData(new wxTextDataObject(ToWx(cp932)));
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
