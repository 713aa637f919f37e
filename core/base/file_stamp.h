#pragma once
// The stamp of a document's file (core/base/file_io.h): taken when it is
// opened or saved, and compared before it is saved again to see whether
// someone else wrote it in between.

#include <filesystem>
#include <optional>

#include "core/base/file_io.h"

namespace listora {

// The stamp of the regular file `file` names (links followed); nullopt when
// there is none.
std::optional<FileStamp> StampOf(const std::filesystem::path& file);

// Whether the file at `file` is no longer the one stamped `known`: another
// regular file or the same one written since. A file gone or turned into
// something else is no change here: saving replaces nothing of it, or fails.
bool ChangedSince(const std::filesystem::path& file, const std::optional<FileStamp>& known);

}  // namespace listora
