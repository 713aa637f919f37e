#pragma once
// The text of the image information dialog: file name, file size, picture
// size in pixels and the file's three times.

#include <cstdint>
#include <filesystem>
#include <string>

namespace listora {

struct ImageFileInfo {
  std::string fileName;  // CP932
  std::uint64_t size = 0;
  int width = 0;  // pixels
  int height = 0;
  std::int64_t created = 0;  // seconds since 1970-01-01 UTC
  std::int64_t written = 0;
  std::int64_t accessed = 0;
};

// The facts of the shown picture's file; size and times stay 0 when the
// file has gone since it was loaded.
ImageFileInfo DescribeImageFile(const std::filesystem::path& file, int width, int height);

// CP932, lines separated by "\n", label and value by "\t".
std::string ImageInfoText(const ImageFileInfo& info);

}  // namespace listora
