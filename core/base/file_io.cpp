#include "core/base/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <string>
#include <system_error>

#include "core/base/error_reason.h"
#include "core/base/huge_pages.h"
#include "core/base/messages.h"
#include "core/base/temporary_names.h"

namespace listora {

namespace {

bool FailWith(FileError* error, std::string_view action, const std::filesystem::path& file,
              std::string_view reason) {
  if (error)
    error->what = "「" + file.string() + "」" + std::string(action) + ": " + std::string(reason);
  return false;
}

bool Fail(FileError* error, std::string_view action, const std::filesystem::path& file, int code) {
  return FailWith(error, action, file, ErrorReason(code));
}

std::string TooLarge(std::size_t maxBytes) {
  char text[64];
  std::snprintf(text, sizeof text, std::string(msg::kFileTooLargeFormat).c_str(), maxBytes);
  return text;
}

// Opens a new file "<folder>/.<name>.XXXXXXXX" exclusively. The mode 0666
// lets the umask (and any default ACL) decide a new file's permissions.
int CreateTemporary(const std::filesystem::path& target, std::filesystem::path* temporary) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temporary = TemporaryName(target);
    const int fd = open(temporary->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// A file in `folder` without a name, or -1 where the system or the file
// system has none to give.
int OpenUnnamed(const std::filesystem::path& folder) {
#ifdef O_TMPFILE
  return open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#else
  (void)folder;
  return -1;
#endif
}

// Gives a finished unnamed file a temporary name beside the target.
bool NameUnnamed(int fd, const std::filesystem::path& target, std::filesystem::path* temporary) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temporary = TemporaryName(target);
    if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary->c_str(), AT_SYMLINK_FOLLOW) == 0)
      return true;
    if (errno != EEXIST) return false;
  }
  return false;
}

bool WriteAllBytes(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool Sync(int fd) {
  while (fsync(fd) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

// Makes the rename itself durable. File systems that cannot sync a folder
// say so with EINVAL; that is no failure of the write.
bool SyncFolder(const std::filesystem::path& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = Sync(fd) || errno == EINVAL || errno == ENOTSUP;
  const int code = errno;
  close(fd);
  errno = code;
  return synced;
}

// The replacement takes the old file's owner, group and permissions. Only
// root may give a file to another user, and others only a group they belong
// to; what may not be kept stays the saver's, as with any new file. The
// owner goes first, as changing it clears the set-ID bits.
bool FillReplacement(int fd, const struct stat* old, std::string_view bytes) {
  if (old) {
    if (fchown(fd, old->st_uid, old->st_gid) != 0 && fchown(fd, -1, old->st_gid) != 0) {
      // Not permitted: see above.
    }
    if (fchmod(fd, old->st_mode & 07777) != 0) return false;
  }
  return WriteAllBytes(fd, bytes) && Sync(fd);
}

// A device or a FIFO is written like any output redirection writes it;
// replacing the node would take it away from everyone else.
bool WriteThrough(const std::filesystem::path& target, std::string_view bytes) {
  const int fd = open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = WriteAllBytes(fd, bytes);
  int code = errno;
  if (close(fd) != 0 && ok) {
    ok = false;
    code = errno;
  }
  errno = code;
  return ok;
}

// Follows symbolic links to the file they name, which need not exist yet
// (a dangling link creates it). 0, or the reason (ELOOP for a loop).
int ResolveTarget(const std::filesystem::path& file, std::filesystem::path* target) {
  std::filesystem::path current = file;
  for (int links = 0; links < 40; ++links) {
    struct stat info {};
    if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      *target = current;
      return 0;
    }
    std::error_code ec;
    const std::filesystem::path next = std::filesystem::read_symlink(current, ec);
    if (ec) return ec.value();
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return ELOOP;
}

// A descriptor open for reading on a regular file of at most `maxBytes`,
// or -1 with the reason. Opened without blocking, so that a FIFO without a
// writer is refused at once instead of waited for.
constexpr std::size_t kReadChunk = 65536;

int OpenForReading(const std::filesystem::path& file, struct stat& info, FileError* error,
                   std::size_t maxBytes) {
  const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    Fail(error, msg::kCannotRead, file, errno);
    return -1;
  }
  const auto refuse = [&](const std::string& reason) {
    close(fd);
    FailWith(error, msg::kCannotRead, file, reason);
    return -1;
  };
  if (fstat(fd, &info) != 0) return refuse(ErrorReason(errno));
  if (S_ISDIR(info.st_mode)) return refuse(ErrorReason(EISDIR));
  if (!S_ISREG(info.st_mode)) return refuse(std::string(msg::kNotRegularFile));
  if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) return refuse(TooLarge(maxBytes));
  return fd;
}

}  // namespace

bool CanReadFile(const std::filesystem::path& file, FileError* error) {
  struct stat info {};
  const int fd = OpenForReading(file, info, error, kNoSizeLimit);
  if (fd < 0) return false;
  close(fd);
  return true;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file, FileError* error,
                                         std::size_t maxBytes) {
  struct stat info {};
  const int fd = OpenForReading(file, info, error, maxBytes);
  if (fd < 0) return std::nullopt;
  // Read straight into the string, a byte longer than the file so that the
  // read that finds its end needs no room of its own; a file that grows
  // while it is read (or reports no size) gets more as it goes.
  const auto expected = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
  std::string bytes;
  bytes.reserve(expected + 1);
  PreferHugePages(bytes.data(), expected + 1);
  bytes.resize(expected + 1);
  std::size_t used = 0;
  for (;;) {
    if (used == bytes.size()) bytes.resize(used + kReadChunk);
    const ssize_t got = read(fd, bytes.data() + used, bytes.size() - used);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      const int code = errno;
      close(fd);
      Fail(error, msg::kCannotRead, file, code);
      return std::nullopt;
    }
    if (static_cast<std::size_t>(got) > maxBytes - used) {
      close(fd);
      FailWith(error, msg::kCannotRead, file, TooLarge(maxBytes));
      return std::nullopt;
    }
    used += static_cast<std::size_t>(got);
  }
  bytes.resize(used);
  close(fd);
  return bytes;
}

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         FileError* error, SpecialTarget special) {
  // A device, FIFO or pipe is written through, or refused where the caller
  // says so. The system follows the links here, as only it can reach a pipe
  // behind /dev/stdout.
  struct stat existing {};
  if (stat(file.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode) &&
      !S_ISDIR(existing.st_mode)) {
    if (special == SpecialTarget::kRefuse)
      return FailWith(error, msg::kCannotWrite, file, msg::kNotRegularFile);
    return WriteThrough(file, bytes) || Fail(error, msg::kCannotWrite, file, errno);
  }
  std::filesystem::path target;
  if (const int code = ResolveTarget(file, &target))
    return Fail(error, msg::kCannotWrite, file, code);
  if (target.filename().empty()) return Fail(error, msg::kCannotWrite, file, EISDIR);
  const bool exists = stat(target.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) return Fail(error, msg::kCannotWrite, file, EISDIR);
  // Renaming over a protected file would replace what its owner protected.
  if (exists && access(target.c_str(), W_OK) != 0)
    return Fail(error, msg::kCannotWrite, file, errno);
  const struct stat* old = exists ? &existing : nullptr;
  const std::filesystem::path folder =
      target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();

  // The content goes into an unnamed file first and gets a name only when
  // complete; where that is not possible, into a named temporary file.
  std::filesystem::path temporary;
  bool ok = false;
  int code = 0;
  int fd = OpenUnnamed(folder);
  if (fd >= 0) {
    ok = FillReplacement(fd, old, bytes);
    code = errno;
    if (!ok) {
      close(fd);
      return Fail(error, msg::kCannotWrite, file, code);
    }
    if (!NameUnnamed(fd, target, &temporary)) {
      close(fd);
      fd = -1;
    }
  }
  if (fd < 0) {
    fd = CreateTemporary(target, &temporary);
    if (fd < 0) return Fail(error, msg::kCannotWrite, file, errno);
    ok = FillReplacement(fd, old, bytes);
    code = errno;
  }
  if (close(fd) != 0 && ok) {
    ok = false;
    code = errno;
  }
  if (ok && rename(temporary.c_str(), target.c_str()) != 0) {
    ok = false;
    code = errno;
  }
  if (!ok) {
    unlink(temporary.c_str());
    return Fail(error, msg::kCannotWrite, file, code);
  }
  if (!SyncFolder(folder)) return Fail(error, msg::kCannotWrite, file, errno);
  RemoveLeftovers(target);
  return true;
}

}  // namespace listora
