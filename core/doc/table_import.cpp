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

// Whether what the reader read of a text of `size` bytes might read
// otherwise with the text that follows (the start of a text that goes on
// ends after a line end, which no lookahead passes over).
bool ReachedEnd(const CsvReader& reader, std::size_t size, CsvReader::Next next) {
  return reader.Offset() == size || next == CsvReader::Next::kUnterminatedQuote;
}

// IsExportLayout, telling in `cut` whether it looked at the text's end.
bool ExportLayout(std::string_view cp932, char separator, bool& cut) {
  constexpr std::size_t kUserColumns = kMaxColumns - 1;
  CsvReader reader(cp932, separator, kUserColumns);
  std::vector<CsvField> fields;
  const auto read = [&] {
    const CsvReader::Next next = reader.Read(fields);
    cut = cut || ReachedEnd(reader, cp932.size(), next);
    return next;
  };
  if (read() != CsvReader::Next::kRecord || reader.FieldCount() > kUserColumns) return false;
  const std::size_t names = reader.FieldCount();
  const bool quoted =
      std::all_of(fields.begin(), fields.end(), [](const CsvField& f) { return f.quoted; });
  // Names as the export writes them are quoted; a spreadsheet that saves
  // the file again drops the quotes but keeps a row of empty fields.
  const CsvReader::Next spacer = read();
  const bool emptyRow =
      spacer == CsvReader::Next::kRecord && reader.FieldCount() == names && AllEmpty(fields);
  if (!emptyRow && !(spacer == CsvReader::Next::kBlankLine && quoted)) return false;
  const CsvReader::Next first = read();
  // Without rows only the export's quotes tell names from an item.
  if (first == CsvReader::Next::kEnd) return quoted;
  return first == CsvReader::Next::kRecord && reader.FieldCount() == names;
}

struct Agreement {
  int fields = 0;   // a count of fields
  int records = 0;  // the records that have it
};

// How `dialect` splits the first records: the count of the first one with
// how many records share it, and the most common count.
std::pair<Agreement, Agreement> Split(std::string_view text, std::size_t from,
                                      const CsvDialect& dialect, bool& cut) {
  CsvReader reader(text.substr(from), dialect, 0);
  std::vector<CsvField> fields;
  std::map<int, int> counts;
  Agreement first;
  for (int read = 0; read < kSampleRecords;) {
    const CsvReader::Next next = reader.Read(fields);
    cut = cut || ReachedEnd(reader, text.size() - from, next);
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
                     bool tabFirst, bool& cut) {
  const std::array<char, 3> candidates =
      tabFirst ? std::array<char, 3>{'\t', ',', ';'} : std::array<char, 3>{',', '\t', ';'};
  char byFirst = 0;
  char byMost = 0;
  Agreement bestFirst;
  Agreement bestMost{0, 1};
  for (char candidate : candidates) {
    CsvDialect trial = dialect;
    trial.separator = candidate;
    const auto [first, most] = Split(text, from, trial, cut);
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

// ResolveImport, telling in `cut` whether it looked at the text's end.
ImportOptions Resolve(std::string_view cp932, const std::filesystem::path& file,
                      const ImportChoices& choices, bool& cut) {
  const std::string extension = Extension(file);
  ImportOptions options;
  options.quotes = choices.quotes;
  options.comments = choices.comments.value_or(extension == ".tab");
  options.skip = std::max(choices.skip, 0);
  CsvReader skipped(cp932, ',', 0);
  skipped.SkipLines(options.skip);
  const std::size_t from = skipped.Offset();
  cut = from == cp932.size();
  switch (choices.separator) {
    case ImportSeparator::kComma: options.separator = ','; break;
    case ImportSeparator::kTab: options.separator = '\t'; break;
    case ImportSeparator::kSemicolon: options.separator = ';'; break;
    case ImportSeparator::kSpace: options.separator = ' '; break;
    case ImportSeparator::kOther: options.separator = choices.other; break;
    case ImportSeparator::kAuto:
      if (extension == ".tsv") {
        options.separator = '\t';
      } else if (options.quotes && ExportLayout(cp932.substr(from), ',', cut)) {
        // A tab inside a quoted name of the program's export is no separator.
        options.separator = ',';
      } else {
        options.separator = DetectSeparator(cp932, from, {',', options.quotes, options.comments},
                                            extension == ".txt" || extension == ".tab", cut);
      }
      break;
  }
  options.header = choices.header.has_value()
                       ? *choices.header
                       : options.quotes && ExportLayout(cp932.substr(from), options.separator, cut);
  return options;
}

// Record bytes beyond their line's: the icon, an empty row's cell, the
// record's end.
constexpr std::size_t kRecordExtra = 6;
// Records go to blocks of at least this size once the first is full.
constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

}  // namespace

// Reads the records of text that may come in pieces.
class RecordsReader {
 public:
  // Makes room at once for `bytes` of text in `lines` lines, unless a
  // preview reads fewer items.
  RecordsReader(const ImportOptions& options, std::size_t bytes, std::size_t lines)
      : options_(options),
        columns_(std::clamp(options.columns, 0, kMaxColumns - 1)),
        header_(options.header),
        skip_(options.skip) {
    if (lines <= static_cast<std::size_t>(std::max(options.maxItems, 0))) {
      firstBlock_ = bytes + kRecordExtra * lines;
      table_.entries_.reserve(lines);
    }
  }

  // Reads the records of `text` up to the first that could go on in text
  // still to come (all of them when `last`) and returns the bytes read;
  // the rest comes again at the start of the next text.
  std::size_t Feed(std::string_view text, bool last);
  bool Done() const { return done_; }
  ImportedTable Finish() {
    table_.leftOut = std::max(0, table_.widest - columns_);
    return std::move(table_);
  }

 private:
  void AddRow(const std::vector<CsvField>& cells, std::size_t bound);
  int Line(std::string_view text, std::size_t offset) const {
    return static_cast<int>(std::min<std::size_t>(linesBefore_ + LineAt(text, offset),
                                                  std::numeric_limits<int>::max()));
  }
  std::size_t Keep(std::string_view text, std::size_t used) {
    linesBefore_ += static_cast<std::size_t>(LineAt(text, used) - 1);
    before_ += used;
    return used;
  }

  ImportedTable table_;
  const ImportOptions& options_;
  const int columns_;
  std::size_t firstBlock_ = 0;
  bool done_ = false;
  bool header_;
  int skip_;
  bool afterNames_ = false;
  // Right after the names, before any empty line: where a spreadsheet's
  // copy of the export has its row of empty fields.
  bool spacerNext_ = false;
  // Empty lines become items only once a record follows them.
  std::size_t emptyRows_ = 0;
  int sinceStep_ = 0;
  std::size_t before_ = 0;       // bytes of the text before the current piece
  std::size_t linesBefore_ = 0;  // line ends in them
  std::vector<CsvField> fields_;
  std::string scratch_;
};

void RecordsReader::AddRow(const std::vector<CsvField>& cells, std::size_t bound) {
  auto& blocks = table_.blocks_;
  if (blocks.empty() || blocks.back()->capacity() - blocks.back()->size() < bound) {
    blocks.push_back(std::make_shared<std::string>());
    blocks.back()->reserve(std::max(blocks.size() == 1 ? firstBlock_ : kBlockBytes, bound));
  }
  std::string& out = *blocks.back();
  const std::size_t offset = out.size();
  out += kNoIcon;
  for (const CsvField& field : cells) {
    AppendCell(field, scratch_, out);
    out += kFieldEnd;
  }
  int count = static_cast<int>(cells.size());
  if (count == 0 && columns_ > 0) {
    out += kFieldEnd;
    count = 1;
  }
  // The table refuses column texts of 4 GiB or more as well.
  if (out.size() - offset > std::numeric_limits<std::uint32_t>::max()) throw std::bad_alloc();
  table_.entries_.push_back(
      {static_cast<std::uint32_t>(out.size() - offset), static_cast<std::uint8_t>(count + 1)});
  out += kRecordEnd;
}

std::size_t RecordsReader::Feed(std::string_view text, bool last) {
  CsvReader reader(text, {options_.separator, options_.quotes, options_.comments},
                   static_cast<std::size_t>(columns_));
  std::size_t used = 0;
  for (; skip_ > 0; --skip_) {
    if (reader.Offset() == text.size()) {
      if (!last) return Keep(text, used);
      break;
    }
    reader.SkipLines(1);
    if (!last && reader.Offset() == text.size()) return Keep(text, used);
    used = reader.Offset();
  }
  const std::vector<CsvField> emptyRow;
  while (table_.Size() < options_.maxItems) {
    const CsvReader::Next next = reader.Read(fields_);
    if (!last && ReachedEnd(reader, text.size(), next)) return Keep(text, used);
    used = reader.Offset();
    if (next == CsvReader::Next::kEnd) break;
    if (next == CsvReader::Next::kUnterminatedQuote || next == CsvReader::Next::kStrayQuote) {
      table_.status = next == CsvReader::Next::kStrayQuote ? ImportStatus::kStrayQuote
                                                           : ImportStatus::kUnterminatedQuote;
      table_.errorLine = Line(text, reader.RecordStart());
      if (next == CsvReader::Next::kStrayQuote)
        table_.closingLine = Line(text, reader.ClosingQuote());
      break;
    }
    if (next == CsvReader::Next::kBlankLine) {
      // Those between the names and the first record are no rows.
      if (!afterNames_) ++emptyRows_;
      spacerNext_ = false;
      continue;
    }
    // A record of empty fields right after the names is the export's empty
    // line as a spreadsheet saves it again, no item.
    if (std::exchange(spacerNext_, false) && AllEmpty(fields_)) continue;
    table_.widest = static_cast<int>(std::max<std::size_t>(
        table_.widest,
        std::min<std::size_t>(reader.FieldCount(), std::numeric_limits<int>::max())));
    if (header_) {
      header_ = false;
      afterNames_ = true;
      spacerNext_ = true;
      emptyRows_ = 0;
      table_.namesLine = Line(text, reader.RecordStart());
      for (const CsvField& field : fields_) {
        std::string& name = table_.names.emplace_back();
        AppendCell(field, scratch_, name);
        if (name.size() >= kColumnNameSize) {
          name.resize(TextPrefixLength(name, kColumnNameSize - 1));
          ++table_.cutNames;
        }
      }
      continue;
    }
    for (; emptyRows_ > 0 && table_.Size() < options_.maxItems; --emptyRows_)
      AddRow(emptyRow, kRecordExtra);
    if (table_.Size() == options_.maxItems) break;
    AddRow(fields_, reader.Offset() - reader.RecordStart() + kRecordExtra);
    afterNames_ = false;
    if (options_.step && ++sinceStep_ == kStepRecords) {
      sinceStep_ = 0;
      if (options_.step(before_ + reader.Offset(), before_ + text.size())) {
        table_.status = ImportStatus::kCancelled;
        break;
      }
    }
  }
  done_ = true;
  return used;
}

ImportOptions ResolveImport(std::string_view cp932, const std::filesystem::path& file,
                            const ImportChoices& choices) {
  bool cut = false;
  return Resolve(cp932, file, choices, cut);
}

std::optional<ImportOptions> ResolveImportFromStart(std::string_view cp932Start,
                                                    const std::filesystem::path& file,
                                                    const ImportChoices& choices) {
  bool cut = false;
  ImportOptions options = Resolve(cp932Start, file, choices, cut);
  if (cut) return std::nullopt;
  return options;
}

bool IsExportLayout(std::string_view cp932, char separator) {
  bool cut = false;
  return ExportLayout(cp932, separator, cut);
}

ImportedTable ImportRecords(std::string_view cp932, const ImportOptions& options) {
  // A record per line at most, each taking its line's bytes and a few more:
  // both the records and their index are made room for once instead of
  // growing by doubling.
  std::size_t lines = static_cast<std::size_t>(std::count(cp932.begin(), cp932.end(), '\n'));
  if (lines == 0) lines = static_cast<std::size_t>(std::count(cp932.begin(), cp932.end(), '\r'));
  RecordsReader reader(options, cp932.size(), lines + 1);
  reader.Feed(cp932, true);
  return reader.Finish();
}

ImportedTable ImportRecords(const std::function<bool(std::string& cp932)>& more, std::size_t bytes,
                            std::size_t lines, const ImportOptions& options) {
  RecordsReader reader(options, bytes, lines);
  std::string text;
  // A record longer than what has come is read again only once as much
  // again has come, so a long one costs no more than twice its reading.
  std::size_t wanted = 0;
  for (bool last = false; !last && !reader.Done();) {
    do last = !more(text);
    while (!last && text.size() < wanted);
    text.erase(0, reader.Feed(text, last));
    wanted = 2 * text.size();
  }
  return reader.Finish();
}

void ImportedTable::AppendTo(ItemTable& items) const {
  for (const auto& block : blocks_) items.HoldBytes(block, block->size());
  const std::size_t room =
      static_cast<std::size_t>(std::numeric_limits<int>::max() - items.GetSize());
  const std::size_t count = std::min(entries_.size(), room);
  items.Reserve(items.GetSize() + static_cast<int>(count));
  auto block = blocks_.begin();
  std::size_t offset = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (offset == (*block)->size()) {
      ++block;
      offset = 0;
    }
    const Entry& e = entries_[i];
    items.AppendRecord((*block)->data() + offset, e.lineSize, e.fields, 0, 0);
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
