#pragma once
// Export of the item table to plain text, HTML and CSV. Output has CR LF
// line ends and user columns 1..C-1 in table order. It is CP932 bytes as
// stored, references included, or UTF-8 with every character as itself: a
// CSV then starts with a byte order mark, which spreadsheets need to take it
// for UTF-8, and a page declares its charset; plain text has no mark.

#include <string>
#include <string_view>

#include "core/doc/document_settings.h"
#include "core/doc/item_table.h"

namespace listora {

enum class ExportFormat { kText, kHtml, kCsv, kXlsx };  // kXlsx: core/doc/xlsx_export.h
enum class ExportEncoding { kCp932, kUtf8 };

// "txt", "htm", "csv" or "xlsx".
std::string_view ExportExtension(ExportFormat format);

// The file name proposed for an export of a document titled `title`: the
// title up to its first "." followed by "." and the extension.
std::string ProposeExportName(std::string_view title, ExportFormat format);

std::string ExportText(const ColumnDescriptors& columns, const ItemTable& items,
                       ExportEncoding encoding = ExportEncoding::kCp932);
// A double quote inside a value is doubled, as CSV readers expect.
std::string ExportCsv(const ColumnDescriptors& columns, const ItemTable& items,
                      ExportEncoding encoding = ExportEncoding::kCp932);
// `title` is CP932 text; colours come from the list pane's style.
std::string ExportHtml(const ColumnDescriptors& columns, const StoredPaneStyle& listStyle,
                       const ItemTable& items, std::string_view title,
                       ExportEncoding encoding = ExportEncoding::kCp932);

}  // namespace listora
