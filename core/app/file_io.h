#pragma once
// Whole-file reads and atomic whole-file writes. A write goes to a temporary
// file in the target's folder, is flushed to disk and only then renamed over
// the target, so a failed write leaves the old file exactly as it was.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace listora {

struct FileError {
  std::string what;  // UTF-8, for the user: the system's reason and the path
};

// The file's bytes, or the reason it could not be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file,
                                         FileError* error = nullptr);

// Whether the file can be opened for reading and is no folder, without
// reading it; for checks before anything else is given up.
bool CanReadFile(const std::filesystem::path& file, FileError* error = nullptr);

// Returns false (and the reason) when any step failed; the target is then
// untouched and no temporary file is left behind.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         FileError* error = nullptr);

}  // namespace listora
