#pragma once
// A file dropped on the text pane becomes the memo of the current item: its
// text up to the first NUL, line breaks untouched. Text that can only be
// UTF-8 (what editors on this system write) is converted to CP932; any other
// bytes are taken as CP932 as they are.

#include <cstddef>
#include <filesystem>
#include <string>

namespace listora {

// A memo is shown and edited in a text box and kept in the document; a
// larger file is refused rather than read (msg::kMemoFileTooLarge).
inline constexpr std::size_t kMaxMemoFileBytes = 1024 * 1024;

struct MemoFile {
  enum class Status { kRead, kUnreadable, kTooLarge };
  Status status = Status::kUnreadable;
  std::string memo;  // CP932, when read
};

// Never reads more than kMaxMemoFileBytes + 1 bytes, whatever the file
// claims to hold.
MemoFile ReadMemoFile(const std::filesystem::path& file);

}  // namespace listora
