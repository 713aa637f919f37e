#include "core/panes/image_fit.h"

#include <algorithm>
#include <cstdint>

namespace listora {

PixelRect FitPictureRect(int pictureWidth, int pictureHeight, int paneWidth, int paneHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0 || paneWidth <= 0 || paneHeight <= 0) return {};
  // 64 bits: the cross products of large pictures overflow an int.
  const std::int64_t w = pictureWidth, h = pictureHeight, W = paneWidth, H = paneHeight;
  if (w * H < h * W) {
    const int width = static_cast<int>(w * H / h);
    return {(paneWidth - width) / 2, 0, width, paneHeight};
  }
  const int height = static_cast<int>(h * W / w);
  return {0, (paneHeight - height) / 2, paneWidth, height};
}

PixelRect ActualSizeRect(int pictureWidth, int pictureHeight, int paneWidth, int paneHeight) {
  return {0, 0, std::max(0, std::min(pictureWidth, paneWidth)),
          std::max(0, std::min(pictureHeight, paneHeight))};
}

int ClampPanOffset(long long offset, int paneSize, int pictureSize) {
  offset = std::max(offset, static_cast<long long>(paneSize) - pictureSize);
  return static_cast<int>(std::min(offset, 0LL));
}

}  // namespace listora
