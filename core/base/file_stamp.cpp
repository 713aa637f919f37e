#include "core/base/file_stamp.h"

#include <sys/stat.h>

namespace listora {

std::optional<FileStamp> StampOf(const std::filesystem::path& file) {
  struct stat info {};
  if (stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return StampOfStatus(info);
}

bool ChangedSince(const std::filesystem::path& file, const std::optional<FileStamp>& known) {
  const std::optional<FileStamp> now = StampOf(file);
  return known && now && *now != *known;
}

}  // namespace listora
