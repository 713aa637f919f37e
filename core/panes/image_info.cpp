#include "core/panes/image_info.h"

#include <algorithm>

#include "core/base/file_entry.h"
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
  std::string text = TextToCp932(msg::kImageInfoFileName);
  text += info.fileName;
  text += TextToCp932(msg::kImageInfoFileSize);
  text += GroupedNumberText(info.size);
  text += TextToCp932(msg::kImageInfoImageSize);
  text += GroupedNumberText(static_cast<std::uint64_t>(std::max(info.width, 0)));
  text += " x ";
  text += GroupedNumberText(static_cast<std::uint64_t>(std::max(info.height, 0)));
  text += TextToCp932(msg::kImageInfoCreated);
  text += DateTimeText(info.created);
  text += TextToCp932(msg::kImageInfoWritten);
  text += DateTimeText(info.written);
  text += TextToCp932(msg::kImageInfoAccessed);
  text += DateTimeText(info.accessed);
  return text;
}

}  // namespace listora
