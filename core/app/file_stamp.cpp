#include "core/app/file_stamp.h"

#include <sys/stat.h>

namespace listora {

std::optional<FileStamp> StampOf(const std::filesystem::path& file) {
  struct stat info {};
  if (stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return FileStamp{
      static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
      static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
      static_cast<std::int64_t>(info.st_size)};
}

bool ChangedSince(const std::filesystem::path& file, const std::optional<FileStamp>& known) {
  const std::optional<FileStamp> now = StampOf(file);
  return known && now && *now != *known;
}

}  // namespace listora
