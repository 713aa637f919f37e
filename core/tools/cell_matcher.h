#pragma once
// Finding a search text in one cell, and replacing it there, as the find
// and replace dialog does: a match always starts and ends on a character
// boundary; without the case flag both sides are compared upper-cased
// (ASCII and full-width letters).
//
// A search text holding the CP932 form of a character that form reads back
// as another sign ("～" for typed "〜") also matches the spelling a path
// gives that character ("&#x301C;"), so a typed "〜" finds an inserted file
// name as well as typed text. The two spellings never match at the same
// place: they differ at the first such character.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
  struct Match {
    std::size_t pos = std::string_view::npos;
    std::size_t length = 0;
  };
  Match FindFrom(std::string_view haystack, std::size_t from) const;

  // The text, then its path spelling when that differs; upper-cased when the
  // case is not to be matched.
  std::vector<std::string> spellings_;
  bool matchCase_;
};

}  // namespace listora
