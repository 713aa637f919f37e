#pragma once
// The data side of adding and deleting user columns.

#include "core/app/settings.h"
#include "core/doc/item_table.h"

namespace listora {

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
ColumnChange DeleteColumn(ColumnDescriptors& columns, CMySortStringArray& items, int column);

// Default descriptor of column `index` of a new document.
void SetDefaultColumn(ColumnDescriptors& columns, int index);

}  // namespace listora
