#include "core/doc/table_import.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "core/doc/csv_reader.h"
#include "core/text/text_file.h"

namespace listora {

namespace {

constexpr char kFieldEnd = 0x07;
// A record ends its column texts with a line feed, then holds an empty memo
// and an empty image path, each ended by 0x08.
constexpr std::string_view kRecordEnd = "\n\x08\x08";
// The icon index of an item without memo and image.
constexpr std::string_view kNoIcon = "0\x07";
// Records between two calls of the step callback.
constexpr int kStepRecords = 4096;

// Appends the field's value cleaned as a cell; `scratch` holds a value whose
// quotes are resolved on the way.
void AppendCell(const CsvField& field, std::string& scratch, std::string& out) {
  if (!field.escaped) {
    AppendCleanColumnText(field.text, out);
    return;
  }
  scratch.clear();
  AppendFieldText(field, scratch);
  AppendCleanColumnText(scratch, out);
}

bool AllEmpty(const std::vector<CsvField>& fields) {
  return std::all_of(fields.begin(), fields.end(),
                     [](const CsvField& f) { return f.text.empty(); });
}

}  // namespace

char ChooseSeparator(std::string_view cp932, const std::filesystem::path& file,
                     ImportSeparator choice) {
  if (choice == ImportSeparator::kComma) return ',';
  if (choice == ImportSeparator::kTab) return '\t';
  std::string extension = file.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension == ".tsv") return '\t';
  // A tab inside a quoted name of the program's export is no separator.
  if (IsExportLayout(cp932, ',')) return ',';
  const std::string_view firstLine = cp932.substr(0, cp932.find_first_of("\r\n"));
  const bool tabs = firstLine.find('\t') != std::string_view::npos;
  const bool commas = firstLine.find(',') != std::string_view::npos;
  return tabs && (extension == ".txt" || !commas) ? '\t' : ',';
}

bool IsExportLayout(std::string_view cp932, char separator) {
  constexpr std::size_t kUserColumns = kMaxColumns - 1;
  CsvReader reader(cp932, separator, kUserColumns);
  std::vector<CsvField> fields;
  if (reader.Read(fields) != CsvReader::Next::kRecord || reader.FieldCount() > kUserColumns)
    return false;
  const std::size_t names = reader.FieldCount();
  const bool quoted =
      std::all_of(fields.begin(), fields.end(), [](const CsvField& f) { return f.quoted; });
  // Names as the export writes them are quoted; a spreadsheet that saves
  // the file again drops the quotes but keeps a row of empty fields.
  const CsvReader::Next spacer = reader.Read(fields);
  const bool emptyRow =
      spacer == CsvReader::Next::kRecord && reader.FieldCount() == names && AllEmpty(fields);
  if (!emptyRow && !(spacer == CsvReader::Next::kBlankLine && quoted)) return false;
  const CsvReader::Next first = reader.Read(fields);
  // Without rows only the export's quotes tell names from an item.
  if (first == CsvReader::Next::kEnd) return quoted;
  return first == CsvReader::Next::kRecord && reader.FieldCount() == names;
}

ImportedTable ImportRecords(std::string_view cp932, const ImportOptions& options) {
  ImportedTable table;
  std::string& out = *table.records_;
  out.reserve(cp932.size() + cp932.size() / 8);
  const int columns = std::clamp(options.columns, 0, kMaxColumns - 1);
  CsvReader reader(cp932, options.separator, static_cast<std::size_t>(columns));
  std::vector<CsvField> fields;
  std::string scratch;
  bool header = options.header;
  bool afterHeader = false;
  int sinceStep = 0;
  while (table.Size() < options.maxItems) {
    const CsvReader::Next next = reader.Read(fields);
    if (next == CsvReader::Next::kEnd) break;
    if (next == CsvReader::Next::kUnterminatedQuote) {
      table.status = ImportStatus::kUnterminatedQuote;
      table.errorLine = LineAt(cp932, reader.RecordStart());
      break;
    }
    if (next == CsvReader::Next::kBlankLine) {
      afterHeader = false;
      continue;
    }
    // The fields left out are not seen, but they would be left out of the
    // item as well.
    if (std::exchange(afterHeader, false) && AllEmpty(fields)) continue;
    table.widest = static_cast<int>(std::max<std::size_t>(
        table.widest, std::min<std::size_t>(reader.FieldCount(), std::numeric_limits<int>::max())));
    const int kept = static_cast<int>(fields.size());
    if (header) {
      header = false;
      afterHeader = true;
      for (const CsvField& field : fields) AppendCell(field, scratch, table.names.emplace_back());
      continue;
    }
    const std::size_t offset = out.size();
    out += kNoIcon;
    for (const CsvField& field : fields) {
      AppendCell(field, scratch, out);
      out += kFieldEnd;
    }
    table.entries_.push_back({offset, out.size() - offset, kept + 1});
    out += kRecordEnd;
    if (options.step && ++sinceStep == kStepRecords) {
      sinceStep = 0;
      if (options.step(reader.Offset(), cp932.size())) {
        table.status = ImportStatus::kCancelled;
        break;
      }
    }
  }
  table.leftOut = std::max(0, table.widest - columns);
  return table;
}

void ImportedTable::AppendTo(ItemTable& items) const {
  items.HoldBytes(records_, records_->size());
  const std::size_t room =
      static_cast<std::size_t>(std::numeric_limits<int>::max() - items.GetSize());
  const std::size_t count = std::min(entries_.size(), room);
  items.Reserve(items.GetSize() + static_cast<int>(count));
  for (std::size_t i = 0; i < count; ++i) {
    const Entry& e = entries_[i];
    items.AppendRecord(records_->data() + e.offset, e.lineSize, e.fields, 0, 0);
  }
}

void SetImportedColumns(const ImportedTable& table, ColumnDescriptors& columns) {
  const int users = std::clamp(table.widest, 1, kMaxColumns - 1);
  columns.count = static_cast<std::uint16_t>(users + 1);
  for (std::size_t i = 0; i < table.names.size(); ++i)
    SetFixedText(columns.names[i + 1], table.names[i]);
}

}  // namespace listora
