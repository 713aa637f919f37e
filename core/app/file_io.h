#pragma once
// Whole-file reads and atomic whole-file writes. A write goes to a temporary
// file in the target's folder, is flushed to disk and only then renamed over
// the target, so a failed write leaves the old file exactly as it was. On
// Linux the temporary file has no name until it is complete, so a crash
// during the write leaves nothing behind.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace listora {

struct FileError {
  std::string what;  // UTF-8, for the user: the system's reason and the path
};

inline constexpr std::size_t kNoSizeLimit = static_cast<std::size_t>(-1);

// The file's bytes, or the reason it could not be read. Only regular files
// are read: a FIFO or a device could block or never end. A file longer than
// `maxBytes` is refused.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file,
                                         FileError* error = nullptr,
                                         std::size_t maxBytes = kNoSizeLimit);

// Whether the file can be opened for reading and is a regular file, without
// reading it; for checks before anything else is given up.
bool CanReadFile(const std::filesystem::path& file, FileError* error = nullptr);

// Returns false (and the reason) when any step failed; the target is then
// untouched and no temporary file is left behind. A symbolic link is
// followed (a dangling one creates the file it names); an existing target
// that is not a regular file (a device, a FIFO) is written through instead
// of being replaced. The old file's owner, group and permissions are kept
// as far as the writer may set them.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         FileError* error = nullptr);

}  // namespace listora
