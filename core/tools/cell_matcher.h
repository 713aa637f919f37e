#pragma once
// Finding a search text in one cell, and replacing it there, as the find
// and replace dialog does: a match always starts and ends on a character
// boundary; without the case flag both sides are compared upper-cased
// (ASCII and full-width letters).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace listora {

class CellMatcher {
 public:
  // `text` is CP932. An empty text matches nothing.
  CellMatcher(std::string_view text, bool matchCase);

  // Byte position of the first match in `cell`, or std::string_view::npos.
  std::size_t Find(std::string_view cell) const;
  bool Matches(std::string_view cell) const { return Find(cell) != std::string_view::npos; }

  // The cell with the text replaced: every match with the case flag, only
  // the first without it. nullopt when the cell has no match.
  std::optional<std::string> Replace(std::string_view cell, std::string_view replacement) const;

 private:
  std::size_t FindFrom(std::string_view haystack, std::size_t from) const;

  std::string text_;  // upper-cased when the case is not to be matched
  bool matchCase_;
};

}  // namespace listora
