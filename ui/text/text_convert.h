#pragma once
// The edge between the core's CP932 text and wx's strings. Towards the core
// the caller says what the string is (see core/text/encoding.h).

#include <wx/string.h>

#include <string>
#include <string_view>

namespace listora {

wxString ToWx(std::string_view cp932);
// Text typed or pasted by the user.
std::string TextFromWx(const wxString& text);
// A file-system path.
std::string PathFromWx(const wxString& path);
std::string PasswordFromWx(const wxString& password);
// The core's UTF-8 message texts.
wxString Utf8(std::string_view utf8);

}  // namespace listora
