#include "core/base/file_io.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

#include "core/base/error_reason.h"
#include "core/base/huge_pages.h"
#include "core/base/message_format.h"
#include "core/base/messages.h"
#include "core/base/temporary_names.h"

namespace listora {

namespace {

// `action` takes the file, then the reason.
bool FailWith(FileError* error, std::string_view action, const std::filesystem::path& file,
              std::string_view reason) {
  if (error) error->what = FormatMessage(action, file.c_str(), std::string(reason).c_str());
  return false;
}

bool Fail(FileError* error, std::string_view action, const std::filesystem::path& file, int code) {
  return FailWith(error, action, file, ErrorReason(code));
}

std::string TooLarge(std::size_t maxBytes) {
  return FormatMessage(msg::kFileTooLargeFormat, maxBytes);
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

// A descriptor someone else opened without blocking (a pipe on standard
// output) is waited for while it is full.
bool WriteAllBytes(int fd, FilePieces pieces) {
  for (std::string_view bytes : pieces) {
    while (!bytes.empty()) {
      const ssize_t written = write(fd, bytes.data(), bytes.size());
      if (written < 0) {
        if (errno == EINTR) continue;
        if (errno == EAGAIN) {
          pollfd wait{fd, POLLOUT, 0};
          if (poll(&wait, 1, -1) >= 0 || errno == EINTR) continue;
        }
        return false;
      }
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
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
// say so with EINVAL; that is no failure at all.
bool SyncFolder(const std::filesystem::path& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = Sync(fd) || errno == EINVAL || errno == ENOTSUP;
  const int code = errno;
  close(fd);
  errno = code;
  return synced;
}

std::int64_t Nanoseconds(const timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

// Copies the extended attributes of `from` onto the new file, which carry
// its ACLs too (system.posix_acl_access); the names refused go to `lost`.
void CopyAttributes(const std::filesystem::path& from, int to, std::vector<std::string>& lost) {
  ssize_t size = listxattr(from.c_str(), nullptr, 0);
  if (size <= 0) return;  // none, or a file system without them
  std::string names(static_cast<std::size_t>(size), '\0');
  size = listxattr(from.c_str(), names.data(), names.size());
  if (size <= 0) return;
  names.resize(static_cast<std::size_t>(size));
  std::string value;
  for (std::size_t at = 0; at < names.size();) {
    const std::string name(names.c_str() + at);
    at += name.size() + 1;
    if (name.empty()) continue;
    ssize_t length = getxattr(from.c_str(), name.c_str(), nullptr, 0);
    if (length >= 0) {
      value.resize(static_cast<std::size_t>(length));
      length = getxattr(from.c_str(), name.c_str(), value.data(), value.size());
    }
    if (length < 0 ||
        fsetxattr(to, name.c_str(), value.data(), static_cast<std::size_t>(length), 0) != 0)
      lost.push_back(name);
  }
}

// The replacement takes the old file's owner, group, permissions and
// extended attributes. Only root may give a file to another user, and
// others only a group they belong to; what may not be kept stays the
// saver's, as with any new file. The owner goes first, as changing it
// clears the set-ID bits, and the ACLs after the permissions, whose group
// bits they set.
bool FillReplacement(int fd, const struct stat* old, const std::filesystem::path& target,
                     FilePieces bytes, std::vector<std::string>& lost) {
  lost.clear();
  if (old) {
    if (fchown(fd, old->st_uid, old->st_gid) != 0 && fchown(fd, -1, old->st_gid) != 0) {
      // Not permitted: see above.
    }
    if (fchmod(fd, old->st_mode & 07777) != 0) return false;
    CopyAttributes(target, fd, lost);
  }
  return WriteAllBytes(fd, bytes) && Sync(fd);
}

// Whether files in `folder` may not be removed or renamed (chattr +a or +i):
// a temporary file there could be neither put in place nor taken away.
bool FolderKeepsItsFiles(const std::filesystem::path& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  int flags = 0;
  const bool known = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  close(fd);
  return known && (flags & (FS_APPEND_FL | FS_IMMUTABLE_FL)) != 0;
}

// A device or a FIFO is written like any output redirection writes it;
// replacing the node would take it away from everyone else.
bool WriteThrough(const std::filesystem::path& target, FilePieces bytes) {
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

// Whether `folder` (a canonical path) is a process's descriptor folder,
// "/proc/PID/fd" or "/proc/PID/task/TID/fd"; gives the PID.
bool IsDescriptorFolder(std::string_view folder, long* pid) {
  constexpr std::string_view kProc = "/proc/";
  if (!folder.starts_with(kProc) || !folder.ends_with("/fd")) return false;
  folder.remove_prefix(kProc.size());
  folder.remove_suffix(3);
  const auto [end, ec] = std::from_chars(folder.data(), folder.data() + folder.size(), *pid);
  if (ec != std::errc()) return false;
  const std::string_view rest(end, static_cast<std::size_t>(folder.data() + folder.size() - end));
  constexpr std::string_view kTask = "/task/";
  return rest.empty() || (rest.starts_with(kTask) && rest.size() > kTask.size() &&
                          rest.find_first_not_of("0123456789", kTask.size()) == rest.npos);
}

enum class Reach { kPath, kOwnDescriptor, kOtherDescriptor };

// Whether `file`, its links followed, names a descriptor of a process
// (/dev/stdout, /dev/fd/N, /proc/self/fd/N): the system's link there leads
// to whatever the descriptor holds, which may be a file open for appending,
// a pipe or a deleted file, and is no file to replace. Gives our own
// descriptor's number.
Reach ReachOf(const std::filesystem::path& file, int* descriptor) {
  std::filesystem::path current = file;
  for (int links = 0; links < 40; ++links) {
    const std::filesystem::path parent =
        current.parent_path().empty() ? std::filesystem::path(".") : current.parent_path();
    const std::string name = current.filename().string();
    if (char* real = realpath(parent.c_str(), nullptr)) {
      const std::string folder = real;
      std::free(real);
      long pid = 0;
      int number = 0;
      const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), number);
      if (!name.empty() && ec == std::errc() && end == name.data() + name.size() &&
          IsDescriptorFolder(folder, &pid)) {
        *descriptor = number;
        return pid == getpid() ? Reach::kOwnDescriptor : Reach::kOtherDescriptor;
      }
    }
    struct stat info {};
    if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return Reach::kPath;
    std::error_code ec;
    const std::filesystem::path next = std::filesystem::read_symlink(current, ec);
    if (ec) return Reach::kPath;
    current = next.is_absolute() ? next : parent / next;
  }
  return Reach::kPath;
}

// Writes where the descriptor stands, as a redirection's command would: a
// file opened for appending grows, a pipe gets the bytes.
bool WriteToDescriptor(int fd, const std::filesystem::path& file, FilePieces bytes,
                       SpecialTarget special, WriteReport* report, FileError* error) {
  struct stat held {};
  if (fstat(fd, &held) != 0) return Fail(error, msg::kCannotWrite, file, errno);
  if (special == SpecialTarget::kRefuse && !S_ISREG(held.st_mode))
    return FailWith(error, msg::kCannotWrite, file, msg::kNotRegularFile);
  if (!WriteAllBytes(fd, bytes)) return Fail(error, msg::kCannotWrite, file, errno);
  if (report && S_ISREG(held.st_mode) && fstat(fd, &held) == 0) report->stamp = StampOfStatus(held);
  return true;
}

// Overwrites `target` in place, where its folder takes no temporary file.
// Room for the new contents is taken first, so that a full disk refuses
// the write before a byte of the old file is lost.
bool WriteInPlace(const std::filesystem::path& target, const std::filesystem::path& file,
                  FilePieces bytes, const WriteOptions& options, WriteReport* report,
                  FileError* error) {
  const int fd = open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Fail(error, msg::kCannotWrite, file, errno);
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return FailWith(error, msg::kCannotWrite, file, msg::kNotRegularFile);
  }
  options.beforeInPlace(FormatMessage(msg::kInPlaceSave, file.string()));
  off_t size = 0;
  for (std::string_view piece : bytes) size += static_cast<off_t>(piece.size());
  if (size > 0 && fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP &&
      errno != ENOSYS) {
    const int code = errno;
    close(fd);
    return Fail(error, msg::kCannotWrite, file, code);
  }
  bool ok =
      WriteAllBytes(fd, bytes) && ftruncate(fd, size) == 0 && Sync(fd) && fstat(fd, &info) == 0;
  int code = errno;
  if (close(fd) != 0 && ok) {
    ok = false;
    code = errno;
  }
  if (!ok) {
    Fail(error, msg::kCannotWrite, file, code);
    if (error) error->what += "\n" + std::string(msg::kMayBeIncomplete);
    return false;
  }
  if (report) report->stamp = StampOfStatus(info);
  return true;
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
  OpenedFile opened;
  if (!opened.Open(file, error, maxBytes)) return std::nullopt;
  return opened.ReadAll(error);
}

OpenedFile::~OpenedFile() {
  if (fd_ >= 0) close(fd_);
}

bool OpenedFile::Open(const std::filesystem::path& file, FileError* error, std::size_t maxBytes) {
  struct stat info {};
  if (fd_ >= 0) close(fd_);
  fd_ = OpenForReading(file, info, error, maxBytes);
  path_ = file;
  maxBytes_ = maxBytes;
  size_ = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
  opened_ = StampOfStatus(info);
  return fd_ >= 0;
}

std::optional<std::size_t> OpenedFile::ReadAt(std::uint64_t offset, std::size_t count,
                                              std::string& out, FileError* error) {
  const std::size_t before = out.size();
  out.resize(before + count);
  for (;;) {
    const ssize_t got = pread(fd_, out.data() + before, count, static_cast<off_t>(offset));
    if (got >= 0) {
      out.resize(before + static_cast<std::size_t>(got));
      return static_cast<std::size_t>(got);
    }
    if (errno != EINTR) break;
  }
  const int code = errno;
  out.resize(before);
  Fail(error, msg::kCannotRead, path_, code);
  return std::nullopt;
}

std::optional<std::string> OpenedFile::ReadAll(FileError* error) {
  // Read straight into the string, a byte longer than the file so that the
  // read that finds its end needs no room of its own; a file that grows
  // while it is read (or reports no size) gets more as it goes.
  std::string bytes;
  bytes.reserve(size_ + 1);
  PreferHugePages(bytes.data(), size_ + 1);
  bytes.resize(size_ + 1);
  std::size_t used = 0;
  for (;;) {
    if (used == bytes.size()) bytes.resize(used + kReadChunk);
    const ssize_t got =
        pread(fd_, bytes.data() + used, bytes.size() - used, static_cast<off_t>(used));
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      Fail(error, msg::kCannotRead, path_, errno);
      return std::nullopt;
    }
    if (static_cast<std::size_t>(got) > maxBytes_ - used) {
      FailWith(error, msg::kCannotRead, path_, TooLarge(maxBytes_));
      return std::nullopt;
    }
    used += static_cast<std::size_t>(got);
  }
  bytes.resize(used);
  return bytes;
}

bool OpenedFile::Unchanged(FileError* error, bool changed) const {
  struct stat info {};
  if (!changed && fstat(fd_, &info) == 0 && StampOfStatus(info) == opened_) return true;
  return FailWith(error, msg::kCannotRead, path_, msg::kChangedWhileRead);
}

FileStamp StampOfStatus(const struct stat& status) {
  return FileStamp{static_cast<std::uint64_t>(status.st_dev),
                   static_cast<std::uint64_t>(status.st_ino), Nanoseconds(status.st_mtim),
                   Nanoseconds(status.st_ctim), static_cast<std::int64_t>(status.st_size)};
}

bool WriteFile(const std::filesystem::path& file, std::string_view bytes,
               const WriteOptions& options, WriteReport* report, FileError* error) {
  return WriteFile(file, FilePieces(&bytes, 1), options, report, error);
}

bool WriteFile(const std::filesystem::path& file, FilePieces bytes, const WriteOptions& options,
               WriteReport* report, FileError* error) {
  int held = -1;
  const Reach reach = ReachOf(file, &held);
  if (reach == Reach::kOwnDescriptor)
    return WriteToDescriptor(held, file, bytes, options.special, report, error);
  // A device, FIFO or pipe is written through, or refused where the caller
  // says so; so is another process's descriptor. The system follows the
  // links here, as only it can reach what such a descriptor holds.
  struct stat existing {};
  const bool found = stat(file.c_str(), &existing) == 0;
  if (reach == Reach::kOtherDescriptor ||
      (found && !S_ISREG(existing.st_mode) && !S_ISDIR(existing.st_mode))) {
    if (options.special == SpecialTarget::kRefuse && !(found && S_ISREG(existing.st_mode)))
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
  std::vector<std::string> lost;
  std::filesystem::path temporary;
  int code = FolderKeepsItsFiles(folder) ? EPERM : 0;
  int fd = -1;
  if (code == 0) {
    fd = OpenUnnamed(folder);
    if (fd >= 0) {
      if (!FillReplacement(fd, old, target, bytes, lost)) {
        code = errno;
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
      code = errno;
      if (fd >= 0 && !FillReplacement(fd, old, target, bytes, lost)) {
        code = errno;
        close(fd);
        unlink(temporary.c_str());
        return Fail(error, msg::kCannotWrite, file, code);
      }
    }
  }
  if (fd < 0) {
    if (exists && options.beforeInPlace && (code == EACCES || code == EPERM))
      return WriteInPlace(target, file, bytes, options, report, error);
    return Fail(error, msg::kCannotWrite, file, code);
  }

  // The stamp is the written file's own: the rename changes its status
  // time, taken anew from a second descriptor once it is in place.
  struct stat written {};
  bool ok = fstat(fd, &written) == 0;
  code = errno;
  const int kept = ok ? dup(fd) : -1;
  if (close(fd) != 0 && ok) {
    ok = false;
    code = errno;
  }
  if (ok && rename(temporary.c_str(), target.c_str()) != 0) {
    ok = false;
    code = errno;
  }
  if (!ok) {
    if (kept >= 0) close(kept);
    unlink(temporary.c_str());
    return Fail(error, msg::kCannotWrite, file, code);
  }
  if (report) {
    report->stamp = StampOfStatus(written);
    // A write by someone else since the fstat above shows in the time or
    // size kept from it; only an untouched file takes the new status time.
    struct stat placed {};
    if (kept >= 0 && fstat(kept, &placed) == 0 &&
        Nanoseconds(placed.st_mtim) == report->stamp->modifiedNs &&
        placed.st_size == written.st_size)
      report->stamp->changedNs = Nanoseconds(placed.st_ctim);
  }
  if (kept >= 0) close(kept);
  // The file is the new one now: what follows can only be warned of.
  if (!SyncFolder(folder) && report)
    report->warnings.push_back(FormatMessage(msg::kFolderNotSynced, file.c_str(),
                                             std::generic_category().message(errno).c_str()));
  if (!lost.empty() && report) {
    std::string names;
    for (const std::string& name : lost) names += (names.empty() ? "" : ", ") + name;
    report->warnings.push_back(FormatMessage(msg::kAttributesNotKept, file.c_str(), names.c_str()));
  }
  RemoveLeftovers(target);
  return true;
}

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         FileError* error, SpecialTarget special) {
  WriteOptions options;
  options.special = special;
  return WriteFile(file, bytes, options, nullptr, error);
}

}  // namespace listora
