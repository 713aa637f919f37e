#include "ui/app/text_convert.h"

#include "core/text/encoding.h"

namespace listora {

wxString ToWx(std::string_view cp932) { return Utf8(Cp932ToUtf8(cp932)); }

std::string ToCp932(const wxString& text) {
  const wxScopedCharBuffer utf8 = text.utf8_str();
  return Utf8ToCp932(std::string_view(utf8.data(), utf8.length()));
}

wxString Utf8(std::string_view utf8) { return wxString::FromUTF8(utf8.data(), utf8.size()); }

}  // namespace listora
