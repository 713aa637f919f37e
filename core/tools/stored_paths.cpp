#include "core/tools/stored_paths.h"

#include <algorithm>

#include "core/text/cp932.h"
#include "core/text/encoding.h"

namespace listora {

std::filesystem::path PathFromText(std::string_view cp932) {
  // UTF-8 never has 0x5C inside a multi-byte character, so the swap is safe
  // after the conversion (and would not be before it).
  std::string utf8 = Cp932ToUtf8(cp932);
  std::replace(utf8.begin(), utf8.end(), '\\', '/');
  return std::filesystem::path(utf8);
}

std::string PathText(const std::filesystem::path& path) { return Utf8ToCp932(path.string()); }

std::string_view FileNamePart(std::string_view cp932) {
  const std::size_t back = cp932::FindLast(cp932, '\\');
  const std::size_t slash = cp932::FindLast(cp932, '/');
  std::size_t last = back;
  if (last == cp932::npos || (slash != cp932::npos && slash > last)) last = slash;
  return last == cp932::npos ? cp932 : cp932.substr(last + 1);
}

std::filesystem::path WithoutTrailingSeparators(const std::filesystem::path& path) {
  std::string text = path.string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return std::filesystem::path(text);
}

}  // namespace listora
