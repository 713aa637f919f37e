#include "core/tools/cell_matcher.h"

#include "core/text/cp932.h"

namespace listora {

CellMatcher::CellMatcher(std::string_view text, bool matchCase)
    : text_(matchCase ? std::string(text) : cp932::ToUpper(text)), matchCase_(matchCase) {}

std::size_t CellMatcher::FindFrom(std::string_view haystack, std::size_t from) const {
  if (text_.empty()) return cp932::npos;
  // A text ending in a lone lead byte could stop inside a character of the
  // cell; such a match is skipped.
  for (std::size_t pos = cp932::Find(haystack, text_, from); pos != cp932::npos;
       pos = cp932::Find(haystack, text_, pos + cp932::CharLength(haystack, pos))) {
    const std::size_t end = pos + text_.size();
    std::size_t at = pos;
    while (at < end) at += cp932::CharLength(haystack, at);
    if (at == end) return pos;
  }
  return cp932::npos;
}

std::size_t CellMatcher::Find(std::string_view cell) const {
  return matchCase_ ? FindFrom(cell, 0) : FindFrom(cp932::ToUpper(cell), 0);
}

std::optional<std::string> CellMatcher::Replace(std::string_view cell,
                                                std::string_view replacement) const {
  if (!matchCase_) {
    // Upper-casing keeps every byte where it was, so the match found in the
    // upper-cased cell marks the same bytes of the cell itself.
    const std::size_t pos = FindFrom(cp932::ToUpper(cell), 0);
    if (pos == cp932::npos) return std::nullopt;
    std::string result(cell.substr(0, pos));
    result += replacement;
    result += cell.substr(pos + text_.size());
    return result;
  }
  std::size_t pos = FindFrom(cell, 0);
  if (pos == cp932::npos) return std::nullopt;
  std::string result;
  std::size_t done = 0;
  while (pos != cp932::npos) {
    result += cell.substr(done, pos - done);
    result += replacement;
    done = pos + text_.size();
    pos = FindFrom(cell, done);
  }
  result += cell.substr(done);
  return result;
}

}  // namespace listora
