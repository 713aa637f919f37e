#pragma once
// The column rules: the count a document may hold, the descriptors as
// they are shown and stored, and adding and deleting user columns.

#include <span>
#include <string>
#include <vector>

#include "core/doc/document_settings.h"
#include "core/doc/item_table.h"

namespace listora {

// The widest column the list and the print draw, in pixels: wider ones would
// push later columns out of what the toolkit can address.
inline constexpr std::int32_t kMaxColumnWidth = 4000;

// Column count for arrays: a stored or configured count outside 2..11 is
// clamped into that range.
int ClampColumnCount(int count);

// The column descriptors as the list control holds them once shown: column
// 0 is the unnamed 30-pixel icon column, every other width lies in 0 to
// kMaxColumnWidth, every format is right or left plus the image flag while
// header icons are on, and the header-icon switch follows column 1's image
// flag (the rule a save applies).
void NormaliseShownColumns(ColumnDescriptors& columns);

enum class ColumnChange {
  kDone,
  kAtMaximum,  // "カラム数が最大です"
  kAtMinimum,  // "これ以上削除できません"
  kNoColumn,   // no user column chosen: nothing happens, no message
};

// Adds one user column at the right end, named "No.%d" with its index.
ColumnChange AddColumn(ColumnDescriptors& columns);

// Deletes user column `column`: later columns move left with their texts,
// names, widths and formats; the column that falls out of use is emptied.
ColumnChange DeleteColumn(ColumnDescriptors& columns, ItemTable& items, int column);

// What the column settings dialog edits of one user column.
struct ColumnSetting {
  std::string name;  // CP932
  std::int32_t width = 0;
  bool rightAligned = false;
};

// User columns 1..C-1 of the descriptors.
std::vector<ColumnSetting> GetColumnSettings(const ColumnDescriptors& columns);
// Sets user columns 1..settings.size() (at most C-1): names cut to the
// name field at a character boundary, widths as given, and the format
// right or left aligned with the header image flag when headers show icons.
void SetColumnSettings(ColumnDescriptors& columns, std::span<const ColumnSetting> settings);

// Default descriptor of column `index` of a new document.
void SetDefaultColumn(ColumnDescriptors& columns, int index);

}  // namespace listora
