// CSV and tab-separated import on arbitrary bytes: whatever the file, it is
// either refused with a line number or read into clean items, and the
// table it gives, exported as CSV and imported again, comes back the same.
// The first two bytes choose the encoding, the separator, the header, the
// columns, the quotes, the comments and the lines skipped; the rest is the
// file.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/doc/columns.h"
#include "core/doc/export.h"
#include "core/doc/table_import.h"
#include "core/text/text_file.h"

using namespace listora;

namespace {

bool Clean(std::string_view cell) {
  return cell.find_first_of("\r\n\x07", 0, 3) == cell.npos && cell.find('\0') == cell.npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::uint8_t choice = data[0];
  const std::uint8_t more = data[1];
  const std::string bytes(reinterpret_cast<const char*>(data + 2), size - 2);
  const auto encoding = static_cast<TextEncoding>((choice & 7) % 6);
  const DecodedText text = DecodeTextFile(bytes, encoding);
  const TextReading reading = CheckTextFile(bytes, encoding);
  if (reading.encoding != text.encoding || reading.badLine != text.badLine) std::abort();
  if (text.badLine != 0) {
    if (text.badLine < 1 || !text.cp932.empty() || encoding == TextEncoding::kWindows1252)
      std::abort();
    return 0;
  }
  ImportChoices choices;
  choices.separator = static_cast<ImportSeparator>((choice >> 3) % 6);
  choices.other = static_cast<char>((more & 0x3F) | 0x20);
  if (choices.other == '"') choices.other = '!';
  choices.skip = more & 3;
  if (more & 0x04) choices.comments = (more & 0x08) != 0;
  choices.quotes = (more & 0x10) == 0;
  if (choice & 0x40) choices.header = (more & 0x20) != 0;
  static const char* const kNames[] = {"f.csv", "f.txt", "f.tsv", "f.tab"};
  ImportOptions options = ResolveImport(text.cp932, kNames[more >> 6], choices);
  options.columns = (choice & 0x80) ? 3 : kMaxColumns - 1;
  const ImportedTable table = ImportRecords(text.cp932, options);

  // As a large file is read: its bytes decoded a few at a time, the options
  // told by a start of the text or not at all, the records read from the
  // text a line at a time, all alike.
  TextPieceDecoder decoder(reading);
  std::string decoded;
  const std::size_t stride = (more & 7) + 1;
  for (std::size_t at = 0; at < bytes.size(); at += stride)
    if (!decoder.Decode(std::string_view(bytes).substr(at, stride), false, decoded)) std::abort();
  if (!decoder.Decode({}, true, decoded) || decoded != text.cp932) std::abort();
  const std::string_view cp932 = text.cp932;
  std::size_t end = cp932.find_first_of("\r\n");
  for (int starts = 0; starts < 64 && end != cp932.npos; ++starts) {
    const auto fromStart =
        ResolveImportFromStart(cp932.substr(0, end + 1), kNames[more >> 6], choices);
    if (fromStart &&
        (fromStart->separator != options.separator || fromStart->header != options.header))
      std::abort();
    end = cp932.find_first_of("\r\n", end + 1);
  }
  std::size_t at = 0;
  const auto line = [&](std::string& piece) {
    const std::size_t next = std::min(cp932.find_first_of("\r\n", at), cp932.size() - 1) + 1;
    piece += cp932.substr(at, next - at);
    at = next;
    return at < cp932.size();
  };
  const ImportedTable inPieces = ImportRecords(line, cp932.size(), 1, options);
  if (inPieces.status != table.status || inPieces.errorLine != table.errorLine ||
      inPieces.closingLine != table.closingLine || inPieces.namesLine != table.namesLine ||
      inPieces.names != table.names || inPieces.widest != table.widest ||
      inPieces.Size() != table.Size())
    std::abort();

  if (table.status == ImportStatus::kUnterminatedQuote ||
      table.status == ImportStatus::kStrayQuote) {
    if (table.errorLine < 1 || !options.quotes ||
        (table.status == ImportStatus::kStrayQuote && table.closingLine < table.errorLine))
      std::abort();
    return 0;
  }
  if (table.status != ImportStatus::kRead || table.leftOut < 0 ||
      static_cast<int>(table.names.size()) > options.columns ||
      (table.names.empty() == (table.namesLine > 0) && table.widest > 0 && options.columns > 0))
    std::abort();
  for (const std::string& name : table.names)
    if (name.size() >= kColumnNameSize) std::abort();

  ColumnDescriptors columns{};
  for (int c = 0; c < kMaxColumns; ++c) SetDefaultColumn(columns, c);
  SetImportedColumns(table, columns);
  ItemTable items;
  table.AppendTo(items);
  const int users = columns.count - 1;
  for (int row = 0; row < items.GetSize(); ++row) {
    if (items.IconIndex(row) != "0") std::abort();
    for (int c = 1; c < kMaxColumns; ++c)
      if (!Clean(items.Cell(row, c)) || (c > options.columns && !items.Cell(row, c).empty()))
        std::abort();
  }

  // The export is CP932 and comma-separated whatever the file was.
  const DecodedText again = DecodeTextFile(ExportCsv(columns, items), TextEncoding::kCp932);
  if (again.badLine != 0 || !IsExportLayout(again.cp932, ',')) std::abort();
  ImportOptions back;
  back.header = true;
  const ImportedTable reread = ImportRecords(again.cp932, back);
  ColumnDescriptors rereadColumns = columns;
  SetImportedColumns(reread, rereadColumns);
  ItemTable rereadItems;
  reread.AppendTo(rereadItems);
  if (reread.status != ImportStatus::kRead || rereadColumns.count != columns.count ||
      rereadItems.GetSize() != items.GetSize())
    std::abort();
  for (int c = 1; c <= users; ++c) {
    if (FixedText(rereadColumns.names[c]) != FixedText(columns.names[c])) std::abort();
    for (int row = 0; row < items.GetSize(); ++row)
      if (rereadItems.Cell(row, c) != items.Cell(row, c)) std::abort();
  }
  return 0;
}
