#include "core/tools/cell_matcher.h"

#include <utility>

#include "core/text/cp932.h"
#include "core/text/encoding.h"

namespace listora {

namespace {

// The first match of `text` at or after `from`. A text ending in a lone lead
// byte could stop inside a character of the cell; such a match is skipped.
std::size_t FindWhole(std::string_view haystack, std::string_view text, std::size_t from) {
  for (std::size_t pos = cp932::Find(haystack, text, from); pos != cp932::npos;
       pos = cp932::Find(haystack, text, pos + cp932::CharLength(haystack, pos))) {
    const std::size_t end = pos + text.size();
    std::size_t at = pos;
    while (at < end) at += cp932::CharLength(haystack, at);
    if (at == end) return pos;
  }
  return cp932::npos;
}

}  // namespace

CellMatcher::CellMatcher(std::string_view text, bool matchCase) : matchCase_(matchCase) {
  if (text.empty()) return;
  spellings_.push_back(std::string(text));
  std::string path = OneWayFormsAsReferences(text);
  if (path != text) spellings_.push_back(std::move(path));
  if (!matchCase)
    for (std::string& spelling : spellings_) spelling = cp932::ToUpper(spelling);
}

CellMatcher::Match CellMatcher::FindFrom(std::string_view haystack, std::size_t from) const {
  Match first;
  for (const std::string& spelling : spellings_) {
    const std::size_t pos = FindWhole(haystack, spelling, from);
    if (pos < first.pos) first = {pos, spelling.size()};
  }
  return first;
}

std::size_t CellMatcher::Find(std::string_view cell) const {
  return (matchCase_ ? FindFrom(cell, 0) : FindFrom(cp932::ToUpper(cell), 0)).pos;
}

std::optional<std::string> CellMatcher::Replace(std::string_view cell,
                                                std::string_view replacement) const {
  if (!matchCase_) {
    // Upper-casing keeps every byte where it was, so the match found in the
    // upper-cased cell marks the same bytes of the cell itself.
    const Match match = FindFrom(cp932::ToUpper(cell), 0);
    if (match.pos == cp932::npos) return std::nullopt;
    std::string result(cell.substr(0, match.pos));
    result += replacement;
    result += cell.substr(match.pos + match.length);
    return result;
  }
  Match match = FindFrom(cell, 0);
  if (match.pos == cp932::npos) return std::nullopt;
  std::string result;
  std::size_t done = 0;
  while (match.pos != cp932::npos) {
    result += cell.substr(done, match.pos - done);
    result += replacement;
    done = match.pos + match.length;
    match = FindFrom(cell, done);
  }
  result += cell.substr(done);
  return result;
}

}  // namespace listora
