#pragma once
// Where the image pane draws its picture: fitted to the pane, or at actual
// size from the pan offsets the user drags (always <= 0, the picture's
// top-left corner relative to the pane).

namespace listora {

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelRect&) const = default;
};

// The whole picture scaled, larger or smaller, to the biggest size with its
// proportions that the pane holds, centred along the free axis. Integer
// arithmetic, truncating. Empty for an empty picture or pane.
PixelRect FitPictureRect(int pictureWidth, int pictureHeight, int paneWidth, int paneHeight);

// Actual size: the part of the pane the picture covers, from the top-left
// corner.
PixelRect ActualSizeRect(int pictureWidth, int pictureHeight, int paneWidth, int paneHeight);

// A pan offset after a move: held first to at least paneSize - pictureSize
// (the far edges meet) and then to at most 0, so a picture smaller than the
// pane stays at 0.
int ClampPanOffset(long long offset, int paneSize, int pictureSize);

}  // namespace listora
