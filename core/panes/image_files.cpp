#include "core/panes/image_files.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace listora {

bool IsDroppableImageName(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  std::string extension(dot == std::string_view::npos ? path : path.substr(dot + 1));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == "jpg" || extension == "jpeg" || extension == "bmp" || extension == "gif";
}

}  // namespace listora
