#pragma once
// Finding a search text in one cell, and replacing it there, as the find
// and replace dialog does: a match always starts and ends on a character
// boundary, a reference being one character (core/text/text_chars.h);
// without the case flag both sides are compared upper-cased (ASCII and
// full-width letters).
//
// A typed "〜" (stored as "～") also matches the spelling a path gives that
// character ("&#x301C;"), so it finds an inserted file name as well as
// typed text.

#include <cstddef>
#include <cstdint>
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
  // The matches in `cell`, left to right and never overlapping; only the
  // first unless `all`.
  std::vector<Match> FindMatches(std::string_view cell, bool all) const;

  // The text (upper-cased when the case is not to be matched), searched for
  // byte-wise while neither it nor the cell holds an "&".
  std::string plain_;
  bool plainHasAmpersand_ = false;
  // Its characters' codes, searched for in cells that hold an "&".
  std::vector<std::uint32_t> codes_;
  bool matchCase_;
};

}  // namespace listora
