#pragma once
// Export of the item table to a spreadsheet workbook (.xlsx): one sheet
// named after the document, the column names in its first row (bold, kept
// in view when the sheet scrolls), then one row per item; the columns as
// the CSV export has them, each as wide as in the list. Every cell is text,
// so "007" and "1e5" stay as written. Rows are written one after another
// and leave memory as they go.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/base/file_io.h"
#include "core/doc/document_settings.h"
#include "core/doc/item_table.h"

namespace listora {

// The rows of a sheet, the row of names included.
inline constexpr std::int64_t kSheetRows = 1048576;

// Whether `items` items fit one sheet below the row of names.
bool FitsSheet(std::int64_t items);

// The sheet's name (UTF-8) for a document titled `title` (CP932): the title
// up to its first ".", each character a sheet name may not hold ("[]:*?/\")
// as "_", without apostrophes at its ends, cut to 31 characters; "Sheet1"
// when nothing is left.
std::string SheetName(std::string_view title);

// Writes the workbook to `file` as WriteFileAtomically does (the target is
// replaced only once the workbook is complete). A table beyond a sheet's
// rows is refused before anything is written. False with the reason in
// `error` when nothing was written.
bool ExportXlsx(const std::filesystem::path& file, const ColumnDescriptors& columns,
                const ItemTable& items, std::string_view title, FileError* error,
                SpecialTarget special);

}  // namespace listora
