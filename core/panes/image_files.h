#pragma once
// Which dropped files the image pane takes: JPEG, BMP and GIF files, known
// by their extension.

#include <string_view>

namespace listora {

// True when the text after the last "." of `path` (CP932 or UTF-8; the
// whole path when it has none) is "jpg", "jpeg", "bmp" or "gif" in any case.
bool IsDroppableImageName(std::string_view path);

}  // namespace listora
