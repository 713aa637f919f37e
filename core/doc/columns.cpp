#include "core/doc/columns.h"

#include <algorithm>
#include <cstdio>

namespace listora {

int ClampColumnCount(int count) { return std::clamp(count, kMinColumns, kMaxColumns); }

void NormaliseShownColumns(ColumnDescriptors& columns) {
  const int count = ClampColumnCount(columns.count);
  columns.count = static_cast<std::uint16_t>(count);
  SetFixedText(columns.names[0], "");
  columns.widths[0] = 30;
  columns.formats[0] = kFormatRight | kFormatImage;
  const std::int32_t image = columns.headerIcons != 0 ? kFormatImage : 0;
  for (int i = 1; i < count; ++i) {
    columns.widths[i] = std::clamp(columns.widths[i], 0, kMaxColumnWidth);
    columns.formats[i] = (columns.formats[i] & kFormatRight) | image;
  }
  columns.headerIcons = (columns.formats[1] & kFormatImage) != 0 ? 1 : 0;
}

void SetDefaultColumn(ColumnDescriptors& columns, int index) {
  if (index == 0) {
    SetFixedText(columns.names[0], "");
    columns.widths[0] = 30;
    columns.formats[0] = kFormatRight;
    return;
  }
  char name[16];
  std::snprintf(name, sizeof name, "No.%d", index);
  SetFixedText(columns.names[index], name);
  columns.widths[index] = 100;
  columns.formats[index] = 0;
}

ColumnChange AddColumn(ColumnDescriptors& columns) {
  const int count = ClampColumnCount(columns.count);
  if (count >= kMaxColumns) return ColumnChange::kAtMaximum;
  SetDefaultColumn(columns, count);
  columns.count = static_cast<std::uint16_t>(count + 1);
  return ColumnChange::kDone;
}

ColumnChange DeleteColumn(ColumnDescriptors& columns, ItemTable& items, int column) {
  const int count = ClampColumnCount(columns.count);
  if (count < 3) return ColumnChange::kAtMinimum;
  if (column <= 0 || column >= count) return ColumnChange::kNoColumn;
  const int newCount = count - 1;
  items.ShiftColumnsLeft(column, newCount);
  for (int k = column; k < newCount; ++k) {
    columns.widths[k] = columns.widths[k + 1];
    columns.formats[k] = columns.formats[k + 1];
    SetFixedText(columns.names[k], FixedText(columns.names[k + 1]));
  }
  columns.count = static_cast<std::uint16_t>(newCount);
  return ColumnChange::kDone;
}

std::vector<ColumnSetting> GetColumnSettings(const ColumnDescriptors& columns) {
  std::vector<ColumnSetting> settings;
  const int count = ClampColumnCount(columns.count);
  for (int i = 1; i < count; ++i)
    settings.push_back({std::string(FixedText(columns.names[i])), columns.widths[i],
                        (columns.formats[i] & kFormatRight) != 0});
  return settings;
}

void SetColumnSettings(ColumnDescriptors& columns, std::span<const ColumnSetting> settings) {
  const int count = ClampColumnCount(columns.count);
  const std::int32_t image = columns.headerIcons != 0 ? kFormatImage : 0;
  for (int i = 1; i < count && i <= static_cast<int>(settings.size()); ++i) {
    const ColumnSetting& setting = settings[i - 1];
    SetFixedText(columns.names[i], setting.name);
    columns.widths[i] = setting.width;
    columns.formats[i] = (setting.rightAligned ? kFormatRight : 0) | image;
  }
}

}  // namespace listora
