#include "core/tools/auto_insert_filter.h"

#include "core/text/cp932.h"
#include "core/text/text_chars.h"

namespace listora {

namespace {

constexpr std::string_view kFullWidthSpace = "\x81\x40";

bool AnyEquals(const std::vector<std::string>& patterns, std::string_view extension) {
  for (const std::string& p : patterns)
    if (EqualsIgnoringCase(p, extension)) return true;
  return false;
}

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return FoldedTextKey(a) == FoldedTextKey(b);
}

bool ExtensionFilter::Excludes(std::string_view extension) const {
  return AnyEquals(exclude, extension);
}

bool ExtensionFilter::TakesFile(std::string_view extension) const {
  if (Excludes(extension)) return false;
  for (const std::string& p : include)
    if (p == "*" || EqualsIgnoringCase(p, extension)) return true;
  return false;
}

ExtensionFilter ParseExtensionFilter(std::string_view text, bool foldersOnly) {
  ExtensionFilter filter;
  filter.foldersOnly = foldersOnly;
  if (foldersOnly) return filter;

  std::string cleaned;
  cleaned.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = cp932::CharLength(text, i);
    const std::string_view ch = text.substr(i, length);
    if (ch == kFullWidthSpace)
      cleaned.push_back(' ');
    else if (ch != ".")
      cleaned.append(ch);
    i += length;
  }

  // Tokens are cut at spaces; tabs and line ends count as spaces too, and
  // runs of them yield no empty patterns.
  std::size_t start = 0;
  while (start < cleaned.size()) {
    std::size_t end = start;
    while (end < cleaned.size() &&
           std::string_view(" \t\r\n").find(cleaned[end]) == std::string_view::npos)
      ++end;
    if (end > start) {
      std::string_view token(cleaned.data() + start, end - start);
      if (token.front() == '-') {
        if (filter.exclude.size() < kMaxFilterPatterns)
          filter.exclude.emplace_back(token.substr(1));
      } else if (filter.include.size() < kMaxFilterPatterns) {
        filter.include.emplace_back(token);
      }
    }
    start = end + 1;
  }
  return filter;
}

std::string_view ExtensionOf(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? name : name.substr(dot + 1);
}

std::string_view NameWithoutExtension(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? name : name.substr(0, dot);
}

}  // namespace listora
