#pragma once
// Which file a path names and when it was last written: taken when a
// document is opened or saved, and compared before it is saved again to see
// whether someone else wrote it in between.

#include <cstdint>
#include <filesystem>
#include <optional>

namespace listora {

struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t modifiedNs = 0;
  std::int64_t size = 0;

  bool operator==(const FileStamp&) const = default;
};

// The stamp of the regular file `file` names (links followed); nullopt when
// there is none.
std::optional<FileStamp> StampOf(const std::filesystem::path& file);

// Whether the file at `file` is no longer the one stamped `known`: another
// regular file or the same one written since. A file gone or turned into
// something else is no change here: saving replaces nothing of it, or fails.
bool ChangedSince(const std::filesystem::path& file, const std::optional<FileStamp>& known);

}  // namespace listora
