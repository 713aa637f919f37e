#pragma once
// Export of the item table to plain text, HTML and CSV. Output is CP932
// bytes with CR LF line ends, user columns 1..C-1 in table order.

#include <string>
#include <string_view>

#include "core/doc/document_settings.h"
#include "core/doc/item_table.h"

namespace listora {

enum class ExportFormat { kText, kHtml, kCsv };

// "txt", "htm" or "csv".
std::string_view ExportExtension(ExportFormat format);

// The file name proposed for an export of a document titled `title`: the
// title up to its first "." followed by "." and the extension.
std::string ProposeExportName(std::string_view title, ExportFormat format);

std::string ExportText(const ColumnDescriptors& columns, const ItemTable& items);
// A double quote inside a value is doubled, as CSV readers expect.
std::string ExportCsv(const ColumnDescriptors& columns, const ItemTable& items);
// `title` is CP932 text; colours come from the list pane's style.
std::string ExportHtml(const ColumnDescriptors& columns, const ViewStyle& listStyle,
                       const ItemTable& items, std::string_view title);

}  // namespace listora
