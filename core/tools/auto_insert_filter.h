#pragma once
// The extension filter of automatic insertion and of the insertion of
// dropped files: include and exclude patterns made from the extension text,
// compared with file extensions without regard to case, the same letters
// folded as by the duplicate search and find and replace. All text CP932.

#include <string>
#include <string_view>
#include <vector>

namespace listora {

inline constexpr std::size_t kMaxFilterPatterns = 10;  // per list; further ones are ignored

struct ExtensionFilter {
  bool foldersOnly = false;
  std::vector<std::string> include;  // "*" matches every file
  std::vector<std::string> exclude;

  // Whether a file with this extension is taken (exclude first, then the
  // include patterns in order). Folders are decided by the enumeration.
  bool TakesFile(std::string_view extension) const;
  bool Excludes(std::string_view extension) const;
};

// Builds the filter from the extension text: dots are dropped, full-width
// spaces count as spaces, the text is cut at spaces; "-xxx" excludes xxx.
// In folders-only mode both lists stay empty.
ExtensionFilter ParseExtensionFilter(std::string_view text, bool foldersOnly);

// The text after the last "." of a name; a name without "." is its own
// extension ("README" -> "README", "a.tar.gz" -> "gz", "x." -> "").
std::string_view ExtensionOf(std::string_view name);
// The name without its last extension ("BBB.txt" -> "BBB"; "README" stays).
std::string_view NameWithoutExtension(std::string_view name);

// Equality of the characters the user sees (core/text/text_chars.h), ASCII
// and full-width Latin letters folded; any other double-byte character
// (whose trail byte may look like a letter) must match exactly. A typed
// "〜" equals the spelling a path gives it ("&#x301C;"), which is how a file
// name stores it.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace listora
