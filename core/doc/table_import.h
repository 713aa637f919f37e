#pragma once
// Import of comma-, tab- or otherwise separated text (what spreadsheets and
// other list programs write) as items: each record becomes an item, its
// fields user columns 1.. in order, each cleaned as every cell is (a line
// break becomes one space). An empty line is an item with empty cells, as
// a spreadsheet writes an empty row; empty lines at the end, and those
// between the names and the first record, are none. A file is read whole
// before anything reaches a table, so a cancelled or refused import leaves
// the table as it was.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/doc/document_settings.h"
#include "core/doc/item_table.h"

namespace listora {

enum class ImportSeparator { kAuto, kComma, kTab, kSemicolon, kSpace, kOther };

// How the user asked for a file to be read; what is left open is settled
// from the file by ResolveImport.
struct ImportChoices {
  ImportSeparator separator = ImportSeparator::kAuto;
  char other = ',';              // the separator of kOther
  int skip = 0;                  // lines passed over before the data
  std::optional<bool> comments;  // unset: on for a ".tab" file
  bool quotes = true;            // '"' quotes fields
  // Unset: the first record names the columns when the text is laid out as
  // the program's CSV export.
  std::optional<bool> header;
};

// Whether the text is laid out as the program's CSV export writes it: a
// line of names in quotes and an empty line, or, as a spreadsheet saves it
// again, a line of names and a row of as many empty fields; then rows with
// as many fields as there are names (a title over a table is no line of
// names), or no rows after quoted names. Its first record then names the
// columns.
bool IsExportLayout(std::string_view cp932, char separator);

struct ImportOptions {
  char separator = ',';
  bool quotes = true;
  bool comments = false;  // lines starting with '#' are passed over
  int skip = 0;           // lines passed over first
  // The first record names the columns; a record of empty fields right
  // after it is the export's empty line and no item.
  bool header = false;
  // User columns the target holds; the fields after them are left out.
  int columns = kMaxColumns - 1;
  // Items to read at most (a preview reads a few).
  int maxItems = std::numeric_limits<int>::max();
  // Called every few thousand records with the bytes read so far and in
  // all; returning true cancels the import.
  std::function<bool(std::size_t done, std::size_t total)> step;
};

// The options for `choices`. With kAuto the separator is a tab for a ".tsv"
// file, a comma for text laid out as the program's export; otherwise the
// one of tab, comma and semicolon that splits the first records (after the
// skipped lines and comments) into as many fields as the first one, at
// least two; failing that, the one most of them agree on; a comma when
// none splits anything. A tab wins ties for ".txt" and ".tab" files, a
// comma for the others.
ImportOptions ResolveImport(std::string_view cp932, const std::filesystem::path& file,
                            const ImportChoices& choices);
// The same from the start of a text that goes on (ending after a line end),
// or nullopt when that start is too short to tell.
std::optional<ImportOptions> ResolveImportFromStart(std::string_view cp932Start,
                                                    const std::filesystem::path& file,
                                                    const ImportChoices& choices);

enum class ImportStatus { kRead, kCancelled, kUnterminatedQuote, kStrayQuote };

class ImportedTable {
 public:
  ImportStatus status = ImportStatus::kRead;
  // kUnterminatedQuote, kStrayQuote: the line of the field's opening quote.
  int errorLine = 0;
  int closingLine = 0;  // kStrayQuote: the line of the quote text follows
  // The header's fields (CP932, cleaned), at most `columns` of them, each
  // cut at a character boundary to what a column name holds.
  std::vector<std::string> names;
  int namesLine = 0;  // the line the names came from
  int cutNames = 0;   // names that were cut
  int widest = 0;     // fields of the widest record, the header included
  int leftOut = 0;    // fields of the widest record beyond `columns`

  int Size() const { return static_cast<int>(entries_.size()); }
  // Adds the items after the rows of `items`.
  void AppendTo(ItemTable& items) const;

 private:
  friend class RecordsReader;
  // A record's column texts; each record starts where the one before ends
  // or at the start of the next block (eight bytes a record, so a million
  // of them weigh little beside the text).
  struct Entry {
    std::uint32_t lineSize;
    std::uint8_t fields;
  };
  // The items as the table stores them, one record after another; a block
  // is never grown past the room it was made with, so its records are
  // never copied.
  std::vector<std::shared_ptr<std::string>> blocks_;
  std::vector<Entry> entries_;
};

// Reads the records of CP932 text.
ImportedTable ImportRecords(std::string_view cp932, const ImportOptions& options);

// The same for text that comes a piece at a time: `more` appends the next
// piece, ending after a line end, to its argument and returns false with
// the last. Only the record being read is held besides the records read;
// room is made at once for about `bytes` of text in `lines` lines. `step`
// is given the bytes read so far and those come so far.
ImportedTable ImportRecords(const std::function<bool(std::string& cp932)>& more, std::size_t bytes,
                            std::size_t lines, const ImportOptions& options);

// A new document's columns for an imported table: as many user columns as
// the widest record has fields (one to ten), named by the header as far as
// it goes; the others keep their default names.
void SetImportedColumns(const ImportedTable& table, ColumnDescriptors& columns);

}  // namespace listora
