#include "core/tools/cell_matcher.h"

#include <algorithm>

#include "core/text/cp932.h"
#include "core/text/text_chars.h"

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
  plain_ = matchCase ? std::string(text) : cp932::ToUpper(text);
  plainHasAmpersand_ = text.find('&') != std::string_view::npos;
  codes_ = SplitTextChars(text, !matchCase).codes;
}

std::vector<CellMatcher::Match> CellMatcher::FindMatches(std::string_view cell, bool all) const {
  std::vector<Match> matches;
  if (codes_.empty()) return matches;
  if (!plainHasAmpersand_ && cell.find('&') == std::string_view::npos) {
    // Without references each character is its bytes. Upper-casing keeps
    // every byte where it was, so a match in the upper-cased cell marks the
    // same bytes of the cell itself.
    const std::string folded = matchCase_ ? std::string() : cp932::ToUpper(cell);
    const std::string_view haystack = matchCase_ ? cell : std::string_view(folded);
    for (std::size_t pos = FindWhole(haystack, plain_, 0); pos != cp932::npos;
         pos = all ? FindWhole(haystack, plain_, pos + plain_.size()) : cp932::npos)
      matches.push_back({pos, plain_.size()});
    return matches;
  }
  const TextChars chars = SplitTextChars(cell, !matchCase_);
  const auto end = chars.codes.end();
  for (auto at = std::search(chars.codes.begin(), end, codes_.begin(), codes_.end()); at != end;
       at = all ? std::search(at + codes_.size(), end, codes_.begin(), codes_.end()) : end) {
    const auto index = static_cast<std::size_t>(at - chars.codes.begin());
    const std::size_t pos = chars.offsets[index];
    matches.push_back({pos, chars.offsets[index + codes_.size()] - pos});
  }
  return matches;
}

std::size_t CellMatcher::Find(std::string_view cell) const {
  const std::vector<Match> matches = FindMatches(cell, false);
  return matches.empty() ? std::string_view::npos : matches.front().pos;
}

std::optional<std::string> CellMatcher::Replace(std::string_view cell,
                                                std::string_view replacement) const {
  const std::vector<Match> matches = FindMatches(cell, matchCase_);
  if (matches.empty()) return std::nullopt;
  std::vector<TextSlice> slices;
  std::size_t done = 0;
  for (const Match& match : matches) {
    slices.push_back({cell, done, match.pos});
    slices.push_back({replacement, 0, replacement.size()});
    done = match.pos + match.length;
  }
  slices.push_back({cell, done, cell.size()});
  return JoinTexts(slices);
}

}  // namespace listora
