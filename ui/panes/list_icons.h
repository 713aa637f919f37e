#pragma once
// The list's small images: first the four item icons (plain, with memo,
// with image, with both: the icon index), then the eleven header icons, one
// per column index. The list control draws header images from its small
// image list, so both sets share it.

#include <wx/imaglist.h>

#include <memory>

namespace listora {

struct ColumnDescriptors;

inline constexpr int kItemIconCount = 4;
inline constexpr int HeaderIcon(int column) { return kItemIconCount + column; }

// The image a header of table column `column` shows, or -1. The icon
// column shows its image whatever the settings; a user column shows one
// only while the document shows column icons.
int ColumnHeaderImage(const ColumnDescriptors& columns, int column);

std::unique_ptr<wxImageList> MakeListIcons();

}  // namespace listora
