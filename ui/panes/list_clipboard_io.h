#pragma once
// The clipboard as the list and tree views use it: plain text, CP932 in the
// program.

#include <wx/string.h>

#include <optional>
#include <string>
#include <string_view>

namespace listora {

// Replaces the clipboard's content with the text; false when the clipboard
// cannot be opened.
bool PutClipboardText(std::string_view cp932);
// The same for text already in Unicode.
bool PutClipboardUnicodeText(const wxString& text);
// The clipboard's text (empty when it holds none); nullopt when the
// clipboard cannot be opened.
std::optional<std::string> TakeClipboardText();

}  // namespace listora
