#pragma once
// Whole-file reads and atomic whole-file writes. A write goes to a temporary
// file in the target's folder, is flushed to disk and only then renamed over
// the target, so a failed write leaves the old file exactly as it was. On
// Linux the temporary file has no name until it is complete, so a crash
// during the write leaves nothing behind; where the file system cannot make
// a file without a name, the next successful write of the same target
// removes what a crash left (core/base/temporary_names.h).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct stat;

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

// Which file a path names and when it was last written or its status last
// changed. The status-change time cannot be set back by a user, so a rewrite
// that restores the modification time still shows.
struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t modifiedNs = 0;
  std::int64_t changedNs = 0;
  std::int64_t size = 0;

  bool operator==(const FileStamp&) const = default;
};

// The stamp in a file's status as stat() gives it.
FileStamp StampOfStatus(const struct stat& status);

// A regular file held open for reading, checked as ReadFileBytes checks
// it: for a file read more than once (whole, then again in pieces), so
// that each reading is of the same file.
class OpenedFile {
 public:
  OpenedFile() = default;
  ~OpenedFile();
  OpenedFile(const OpenedFile&) = delete;
  OpenedFile& operator=(const OpenedFile&) = delete;

  bool Open(const std::filesystem::path& file, FileError* error = nullptr,
            std::size_t maxBytes = kNoSizeLimit);
  // The whole file, as ReadFileBytes reads it.
  std::optional<std::string> ReadAll(FileError* error = nullptr);
  // Appends at most `count` bytes from `offset` on to `out`: how many, 0 at
  // the end of the file.
  std::optional<std::size_t> ReadAt(std::uint64_t offset, std::size_t count, std::string& out,
                                    FileError* error = nullptr);
  // Whether the file is as it was when opened (no write since), the reason
  // when not or when the caller found it `changed`.
  bool Unchanged(FileError* error = nullptr, bool changed = false) const;

 private:
  int fd_ = -1;
  std::filesystem::path path_;
  std::size_t maxBytes_ = kNoSizeLimit;
  std::size_t size_ = 0;  // when opened
  FileStamp opened_;
};

struct WriteOptions {
  SpecialTarget special = SpecialTarget::kWriteThrough;
  // Where the folder refuses the temporary file (no write permission, or
  // files there may not be removed) but the target itself may be written,
  // the target is overwritten in place, after this is called once with
  // what to tell the user (UTF-8); unset, such a write fails.
  std::function<void(const std::string& notice)> beforeInPlace;
};

// What a successful write has to tell beyond success.
struct WriteReport {
  // The written regular file's own stamp, taken from its descriptor, so a
  // write by someone else just after the replacement does not count as ours.
  std::optional<FileStamp> stamp;
  // UTF-8, for the user: what the new file could not keep, or a folder that
  // could not be synced after the file was replaced.
  std::vector<std::string> warnings;
};

// Returns false (and the reason) when any step failed; the target is then
// untouched and no temporary file is left behind, except after a failed
// in-place write, whose reason says the file may be incomplete. A symbolic
// link is followed (a dangling one creates the file it names). A path that
// reaches one of this process's descriptors (/dev/stdout, /dev/fd/N,
// /proc/self/fd/N) is written through that descriptor, as a shell
// redirection writes it. An existing file the writer may not write (as the
// system's access check says, so ACLs and read-only mounts count) is
// refused, although the folder would let it be replaced. The old file's
// owner, group, permissions, ACLs and extended attributes are kept as far as
// the writer may set them; what could not be kept is a warning.
bool WriteFile(const std::filesystem::path& file, std::string_view bytes,
               const WriteOptions& options, WriteReport* report = nullptr,
               FileError* error = nullptr);
// The same for bytes in pieces, written one after another.
using FilePieces = std::span<const std::string_view>;
bool WriteFile(const std::filesystem::path& file, FilePieces bytes, const WriteOptions& options,
               WriteReport* report = nullptr, FileError* error = nullptr);

// WriteFile without in-place writes, its warnings dropped.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         FileError* error = nullptr,
                         SpecialTarget special = SpecialTarget::kWriteThrough);

}  // namespace listora
