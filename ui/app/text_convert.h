#pragma once
// The edge between the core's CP932 text and wx's strings.

#include <wx/string.h>

#include <string>
#include <string_view>

namespace listora {

wxString ToWx(std::string_view cp932);
std::string ToCp932(const wxString& text);
// The core's UTF-8 message texts.
wxString Utf8(std::string_view utf8);

}  // namespace listora
