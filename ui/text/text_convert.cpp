#include "ui/text/text_convert.h"

#include "core/text/encoding.h"

namespace listora {

namespace {

std::string_view View(const wxScopedCharBuffer& utf8) { return {utf8.data(), utf8.length()}; }

}  // namespace

wxString ToWx(std::string_view cp932) { return Utf8(Cp932ToUtf8(cp932)); }

std::string TextFromWx(const wxString& text) { return TextToCp932(View(text.utf8_str())); }

std::string PathFromWx(const wxString& path) { return PathToCp932(View(path.utf8_str())); }

std::string PasswordFromWx(const wxString& password) {
  return PasswordToCp932(View(password.utf8_str()));
}

wxString Utf8(std::string_view utf8) { return wxString::FromUTF8(utf8.data(), utf8.size()); }

}  // namespace listora
