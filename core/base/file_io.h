#pragma once
// Whole-file reads and atomic whole-file writes. A write goes to a temporary
// file in the target's folder, is flushed to disk and only then renamed over
// the target, so a failed write leaves the old file exactly as it was. On
// Linux the temporary file has no name until it is complete, so a crash
// during the write leaves nothing behind; where the file system cannot make
// a file without a name, the next successful write of the same target
// removes what a crash left (core/base/temporary_names.h).

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

// What a write does with an existing target that is not a regular file.
enum class SpecialTarget {
  kWriteThrough,  // a device, FIFO or pipe is written like a redirection
  kRefuse,        // refused at once: a FIFO without a reader would block
};

// Returns false (and the reason) when any step failed; the target is then
// untouched and no temporary file is left behind. A symbolic link is
// followed (a dangling one creates the file it names). An existing file the
// writer may not write (as the system's access check says, so ACLs and
// read-only mounts count) is refused, although the folder would let it be
// replaced. The old file's owner, group and permissions are kept as far as
// the writer may set them.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         FileError* error = nullptr,
                         SpecialTarget special = SpecialTarget::kWriteThrough);

}  // namespace listora
