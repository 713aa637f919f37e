#include "core/doc/table_import.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <new>
#include <utility>

#include "core/doc/csv_reader.h"
#include "core/text/encoding.h"
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

// Records the separator is judged on.
constexpr int kSampleRecords = 20;

struct Agreement {
  int fields = 0;   // a count of fields
  int records = 0;  // the records that have it
};

// How `dialect` splits the first records: the count of the first one with
// how many records share it, and the most common count.
std::pair<Agreement, Agreement> Split(std::string_view text, std::size_t from,
                                      const CsvDialect& dialect) {
  CsvReader reader(text.substr(from), dialect, 0);
  std::vector<CsvField> fields;
  std::map<int, int> counts;
  Agreement first;
  for (int read = 0; read < kSampleRecords;) {
    const CsvReader::Next next = reader.Read(fields);
    if (next == CsvReader::Next::kBlankLine) continue;
    if (next != CsvReader::Next::kRecord) break;
    const int count = static_cast<int>(std::min<std::size_t>(reader.FieldCount(), 1 << 20));
    if (read++ == 0) first.fields = count;
    first.records += count == first.fields;
    ++counts[count];
  }
  Agreement most;
  for (const auto& [count, records] : counts)
    if (records >= most.records) most = {count, records};
  return {first, most};
}

char DetectSeparator(std::string_view text, std::size_t from, const CsvDialect& dialect,
                     bool tabFirst) {
  const std::array<char, 3> candidates =
      tabFirst ? std::array<char, 3>{'\t', ',', ';'} : std::array<char, 3>{',', '\t', ';'};
  char byFirst = 0;
  char byMost = 0;
  Agreement bestFirst;
  Agreement bestMost{0, 1};
  for (char candidate : candidates) {
    CsvDialect trial = dialect;
    trial.separator = candidate;
    const auto [first, most] = Split(text, from, trial);
    if (first.fields >= 2 &&
        (first.records > bestFirst.records ||
         (first.records == bestFirst.records && first.fields > bestFirst.fields))) {
      bestFirst = first;
      byFirst = candidate;
    }
    if (most.fields >= 2 && most.records > bestMost.records) {
      bestMost = most;
      byMost = candidate;
    }
  }
  if (byFirst) return byFirst;
  return byMost ? byMost : ',';
}

std::string Extension(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension;
}

}  // namespace

ImportOptions ResolveImport(std::string_view cp932, const std::filesystem::path& file,
                            const ImportChoices& choices) {
  const std::string extension = Extension(file);
  ImportOptions options;
  options.quotes = choices.quotes;
  options.comments = choices.comments.value_or(extension == ".tab");
  options.skip = std::max(choices.skip, 0);
  CsvReader skipped(cp932, ',', 0);
  skipped.SkipLines(options.skip);
  const std::size_t from = skipped.Offset();
  switch (choices.separator) {
    case ImportSeparator::kComma: options.separator = ','; break;
    case ImportSeparator::kTab: options.separator = '\t'; break;
    case ImportSeparator::kSemicolon: options.separator = ';'; break;
    case ImportSeparator::kSpace: options.separator = ' '; break;
    case ImportSeparator::kOther: options.separator = choices.other; break;
    case ImportSeparator::kAuto:
      if (extension == ".tsv") {
        options.separator = '\t';
      } else if (options.quotes && IsExportLayout(cp932.substr(from), ',')) {
        // A tab inside a quoted name of the program's export is no separator.
        options.separator = ',';
      } else {
        options.separator = DetectSeparator(cp932, from, {',', options.quotes, options.comments},
                                            extension == ".txt" || extension == ".tab");
      }
      break;
  }
  options.header = choices.header.value_or(options.quotes &&
                                           IsExportLayout(cp932.substr(from), options.separator));
  return options;
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
  // A record per line at most, each taking its line's bytes and six more
  // (the icon, an empty row's cell, the record's end): both the records and
  // their index are reserved once instead of growing by doubling. A
  // preview of a few items reserves nothing.
  std::size_t lines = static_cast<std::size_t>(std::count(cp932.begin(), cp932.end(), '\n'));
  if (lines == 0) lines = static_cast<std::size_t>(std::count(cp932.begin(), cp932.end(), '\r'));
  ++lines;
  if (lines <= static_cast<std::size_t>(std::max(options.maxItems, 0))) {
    out.reserve(cp932.size() + 6 * lines);
    table.entries_.reserve(lines);
  }
  const int columns = std::clamp(options.columns, 0, kMaxColumns - 1);
  CsvReader reader(cp932, {options.separator, options.quotes, options.comments},
                   static_cast<std::size_t>(columns));
  reader.SkipLines(options.skip);
  std::vector<CsvField> fields;
  std::string scratch;
  bool header = options.header;
  bool afterNames = false;
  // Right after the names, before any empty line: where a spreadsheet's
  // copy of the export has its row of empty fields.
  bool spacerNext = false;
  // Empty lines become items only once a record follows them.
  std::size_t emptyRows = 0;
  int sinceStep = 0;
  const auto addRow = [&](const std::vector<CsvField>& cells) {
    const std::size_t offset = out.size();
    out += kNoIcon;
    for (const CsvField& field : cells) {
      AppendCell(field, scratch, out);
      out += kFieldEnd;
    }
    int count = static_cast<int>(cells.size());
    if (count == 0 && columns > 0) {
      out += kFieldEnd;
      count = 1;
    }
    // The table refuses column texts of 4 GiB or more as well.
    if (out.size() - offset > std::numeric_limits<std::uint32_t>::max()) throw std::bad_alloc();
    table.entries_.push_back(
        {static_cast<std::uint32_t>(out.size() - offset), static_cast<std::uint8_t>(count + 1)});
    out += kRecordEnd;
  };
  const std::vector<CsvField> emptyRow;
  while (table.Size() < options.maxItems) {
    const CsvReader::Next next = reader.Read(fields);
    if (next == CsvReader::Next::kEnd) break;
    if (next == CsvReader::Next::kUnterminatedQuote || next == CsvReader::Next::kStrayQuote) {
      table.status = next == CsvReader::Next::kStrayQuote ? ImportStatus::kStrayQuote
                                                          : ImportStatus::kUnterminatedQuote;
      table.errorLine = LineAt(cp932, reader.RecordStart());
      if (next == CsvReader::Next::kStrayQuote)
        table.closingLine = LineAt(cp932, reader.ClosingQuote());
      break;
    }
    if (next == CsvReader::Next::kBlankLine) {
      // Those between the names and the first record are no rows.
      if (!afterNames) ++emptyRows;
      spacerNext = false;
      continue;
    }
    // A record of empty fields right after the names is the export's empty
    // line as a spreadsheet saves it again, no item.
    if (std::exchange(spacerNext, false) && AllEmpty(fields)) continue;
    table.widest = static_cast<int>(std::max<std::size_t>(
        table.widest, std::min<std::size_t>(reader.FieldCount(), std::numeric_limits<int>::max())));
    if (header) {
      header = false;
      afterNames = true;
      spacerNext = true;
      emptyRows = 0;
      table.namesLine = LineAt(cp932, reader.RecordStart());
      for (const CsvField& field : fields) {
        std::string& name = table.names.emplace_back();
        AppendCell(field, scratch, name);
        if (name.size() >= kColumnNameSize) {
          name.resize(TextPrefixLength(name, kColumnNameSize - 1));
          ++table.cutNames;
        }
      }
      continue;
    }
    for (; emptyRows > 0 && table.Size() < options.maxItems; --emptyRows) addRow(emptyRow);
    if (table.Size() == options.maxItems) break;
    addRow(fields);
    afterNames = false;
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
  std::size_t offset = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const Entry& e = entries_[i];
    items.AppendRecord(records_->data() + offset, e.lineSize, e.fields, 0, 0);
    offset += e.lineSize + kRecordEnd.size();
  }
}

void SetImportedColumns(const ImportedTable& table, ColumnDescriptors& columns) {
  const int users = std::clamp(table.widest, 1, kMaxColumns - 1);
  columns.count = static_cast<std::uint16_t>(users + 1);
  for (std::size_t i = 0; i < table.names.size(); ++i)
    SetFixedText(columns.names[i + 1], table.names[i]);
}

}  // namespace listora
