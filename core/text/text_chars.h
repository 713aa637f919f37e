#pragma once
// Stored text as the characters the user sees. A character is a single- or
// double-byte CP932 character, or a whole reference the converter reads
// ("&#x1F600;"): a search never finds "#x" or "D55C" inside one and a
// replacement never cuts one. The escaped "&" of a typed "&#x" (stored
// "&#x26;#x") is the same character as "&", and a path's reference to a
// character whose CP932 form reads back as another sign ("&#x301C;") the
// same as that form ("～"), so what looks alike to the user is alike here.
// Text without "&" keeps its plain rules.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace listora {

struct TextChars {
  // One code per character, equal for characters the user takes as one.
  std::vector<std::uint32_t> codes;
  // Byte offset of each character, then the text's length.
  std::vector<std::size_t> offsets;
};

// The characters of CP932 text; with `foldCase` ASCII and full-width Latin
// letters are upper-cased (a trail byte never is, nor a reference).
TextChars SplitTextChars(std::string_view cp932, bool foldCase);

// A key that is equal for two texts exactly when they hold the same
// characters, letter case aside: the text upper-cased when it holds no "&".
std::string FoldedTextKey(std::string_view cp932);

// Part of a text: text[begin, end), cut between characters.
struct TextSlice {
  std::string_view text;
  std::size_t begin;
  std::size_t end;
};

// The slices joined so that the result shows their characters and no
// others: each "&" is written bare or escaped ("&#x26;") as what now
// follows it needs, so no reference is made or unmade at a joint.
std::string JoinTexts(const std::vector<TextSlice>& slices);

}  // namespace listora
