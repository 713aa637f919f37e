#include "core/app/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>

namespace listora {

namespace {

bool Fail(FileError* error, std::string_view action, const std::filesystem::path& file, int code) {
  if (error) {
    error->what = "「" + file.string() + "」" + std::string(action) + ": " +
                  std::generic_category().message(code);
  }
  return false;
}

constexpr std::string_view kCannotRead = "を読み込めませんでした";
constexpr std::string_view kCannotWrite = "に書き込めませんでした";

// Opens a new file "<folder>/.<name>.XXXXXX" exclusively. The mode 0666 lets
// the umask (and any default ACL) decide a new file's permissions.
int CreateTemporary(const std::filesystem::path& target, std::filesystem::path* temporary) {
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  thread_local std::mt19937_64 random{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  // Cut long names so the temporary one stays within the 255-byte limit.
  const std::string base = target.filename().string().substr(0, 200);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = "." + base + ".";
    for (int k = 0; k < 8; ++k) name.push_back(kLetters[pick(random)]);
    *temporary = target.parent_path() / name;
    const int fd = open(temporary->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
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

// A link is replaced by writing to what it points at, so the link survives.
std::filesystem::path ResolveTarget(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_symlink(file, ec)) return file;
  std::filesystem::path resolved = std::filesystem::weakly_canonical(file, ec);
  return ec ? file : resolved;
}

// A descriptor open for reading on a file that is no folder, or -1.
int OpenForReading(const std::filesystem::path& file, struct stat& info, FileError* error) {
  const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    Fail(error, kCannotRead, file, errno);
    return -1;
  }
  if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    close(fd);
    Fail(error, kCannotRead, file, EISDIR);
    return -1;
  }
  return fd;
}

}  // namespace

bool CanReadFile(const std::filesystem::path& file, FileError* error) {
  struct stat info {};
  const int fd = OpenForReading(file, info, error);
  if (fd < 0) return false;
  close(fd);
  return true;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file, FileError* error) {
  struct stat info {};
  const int fd = OpenForReading(file, info, error);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  if (info.st_size > 0) bytes.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      const int code = errno;
      close(fd);
      Fail(error, kCannotRead, file, code);
      return std::nullopt;
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  close(fd);
  return bytes;
}

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         FileError* error) {
  const std::filesystem::path target = ResolveTarget(file);
  if (target.filename().empty()) return Fail(error, kCannotWrite, file, EISDIR);
  struct stat existing {};
  const bool exists = stat(target.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) return Fail(error, kCannotWrite, file, EISDIR);

  std::filesystem::path temporary;
  const int fd = CreateTemporary(target, &temporary);
  if (fd < 0) return Fail(error, kCannotWrite, file, errno);
  bool ok = (!exists || fchmod(fd, existing.st_mode & 07777) == 0) && WriteAllBytes(fd, bytes) &&
            Sync(fd);
  int code = errno;
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
    return Fail(error, kCannotWrite, file, code);
  }
  const std::filesystem::path folder =
      target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
  if (!SyncFolder(folder)) return Fail(error, kCannotWrite, file, errno);
  return true;
}

}  // namespace listora
