#pragma once
// The list view's clipboard text: selected items copied as lines of fields
// joined by "/", and a pasted text split back into fields.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/doc/item_table.h"

namespace listora {

// Columns 1..columnCount-1 of each row joined by "/", the rows separated by
// "\r\n"; trailing white space of the whole text is removed, so it never
// ends with a line break.
std::string CopyFieldsText(const ItemTable& items, std::span<const int> rows, int columnCount);
// Column `column` of each row, one row per line, trimmed the same way.
std::string CopyColumnText(const ItemTable& items, std::span<const int> rows, int column);

// Whether the text holds a number of "/"-separated fields other than
// `userColumns` (the paste then asks before going on).
bool PasteFieldCountDiffers(std::string_view text, int userColumns);
// Exactly `userColumns` fields of a pasted text: the pieces between "/"
// in order, missing ones empty, surplus ones dropped.
std::vector<std::string> SplitPastedFields(std::string_view text, int userColumns);

}  // namespace listora
