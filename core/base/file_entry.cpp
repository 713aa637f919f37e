#include "core/base/file_entry.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/base/stored_paths.h"

namespace listora {

namespace {

constexpr unsigned kWanted = STATX_BASIC_STATS | STATX_BTIME;

bool Stat(const std::filesystem::path& path, int flags, struct statx& out) {
  return statx(AT_FDCWD, path.c_str(), flags, kWanted, &out) == 0;
}

bool ReadOnly(const std::filesystem::path& path, const struct statx& st) {
  // The permission bits count as well, so a file marked read-only is one
  // even for a user (such as root) whom the system lets write anyway.
  return (st.stx_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(path.c_str(), W_OK) != 0;
}

}  // namespace

std::optional<FileEntry> LookUpEntry(const std::filesystem::path& path) {
  struct statx st {};
  const bool followed = Stat(path, 0, st);
  if (!followed && !Stat(path, AT_SYMLINK_NOFOLLOW, st)) return std::nullopt;

  FileEntry entry;
  entry.path = WithoutTrailingSeparators(path);
  // Names read back as the entry's true name, like the full path.
  entry.name = PathText(entry.path.filename());
  entry.folderName = PathText(entry.path.parent_path().filename());
  const bool regular = followed && S_ISREG(st.stx_mode);
  entry.isFolder = followed && S_ISDIR(st.stx_mode);
  entry.size = regular ? st.stx_size : 0;
  entry.written = st.stx_mtime.tv_sec;
  entry.accessed = st.stx_atime.tv_sec;
  // Some file systems report a birth time of 0 instead of none.
  const bool born = (st.stx_mask & STATX_BTIME) && st.stx_btime.tv_sec != 0;
  entry.created = born ? st.stx_btime.tv_sec : st.stx_mtime.tv_sec;
  entry.device = (static_cast<std::uint64_t>(st.stx_dev_major) << 32) | st.stx_dev_minor;
  entry.inode = st.stx_ino;

  if (!entry.name.empty() && entry.name.front() == '.') entry.attributes |= kAttrHidden;
  if (!regular && !entry.isFolder) entry.attributes |= kAttrSystem;
  if (followed && ReadOnly(entry.path, st)) entry.attributes |= kAttrReadOnly;
  return entry;
}

}  // namespace listora
