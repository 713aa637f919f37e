#include "core/panes/image_info.h"

#include <algorithm>

#include "core/base/file_entry.h"
#include "core/base/message_format.h"
#include "core/base/messages.h"
#include "core/base/stored_paths.h"
#include "core/text/encoding.h"
#include "core/text/number_text.h"

namespace listora {

ImageFileInfo DescribeImageFile(const std::filesystem::path& file, int width, int height) {
  ImageFileInfo info;
  info.fileName = std::string(FileNamePart(PathText(file)));
  info.width = width;
  info.height = height;
  if (const std::optional<FileEntry> entry = LookUpEntry(file)) {
    info.size = entry->size;
    info.created = entry->created;
    info.written = entry->written;
    info.accessed = entry->accessed;
  }
  return info;
}

std::string ImageInfoText(const ImageFileInfo& info) {
  const auto grouped = [](std::uint64_t n) { return GroupedNumberText(n); };
  return FormatMessage(TextToCp932(msg::kImageInfoFormat), info.fileName.c_str(),
                       grouped(info.size).c_str(),
                       grouped(static_cast<std::uint64_t>(std::max(info.width, 0))).c_str(),
                       grouped(static_cast<std::uint64_t>(std::max(info.height, 0))).c_str(),
                       DateTimeText(info.created).c_str(), DateTimeText(info.written).c_str(),
                       DateTimeText(info.accessed).c_str());
}

}  // namespace listora
