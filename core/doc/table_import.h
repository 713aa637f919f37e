#pragma once
// Import of comma- or tab-separated text (what spreadsheets and other list
// programs write) as items: each record becomes an item, its fields user
// columns 1.. in order, each cleaned as every cell is (a line break becomes
// one space). Empty lines are no items. A file is read whole before
// anything reaches a table, so a cancelled or refused import leaves the
// table as it was.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/doc/document_settings.h"
#include "core/doc/item_table.h"

namespace listora {

enum class ImportSeparator { kAuto, kComma, kTab };

// The separator byte: as chosen, or with kAuto a tab for a ".tsv" file and,
// unless the text is laid out as the program's CSV export, for one whose
// first line holds a tab and either no comma or the extension ".txt"; a
// comma otherwise.
char ChooseSeparator(std::string_view cp932, const std::filesystem::path& file,
                     ImportSeparator choice);

// Whether the text is laid out as the program's CSV export writes it: a
// line of names in quotes and an empty line, or, as a spreadsheet saves it
// again, a line of names and a row of as many empty fields; then rows with
// as many fields as there are names (a title over a table is no line of
// names), or no rows after quoted names. Its first record then names the
// columns.
bool IsExportLayout(std::string_view cp932, char separator);

struct ImportOptions {
  char separator = ',';
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

enum class ImportStatus { kRead, kCancelled, kUnterminatedQuote };

class ImportedTable {
 public:
  ImportStatus status = ImportStatus::kRead;
  int errorLine = 0;  // kUnterminatedQuote: the line of the quote left open
  // The header's fields (CP932, cleaned), at most `columns` of them.
  std::vector<std::string> names;
  int widest = 0;   // fields of the widest record, the header included
  int leftOut = 0;  // fields of the widest record beyond `columns`

  int Size() const { return static_cast<int>(entries_.size()); }
  // Adds the items after the rows of `items`.
  void AppendTo(ItemTable& items) const;

 private:
  friend ImportedTable ImportRecords(std::string_view cp932, const ImportOptions& options);
  struct Entry {
    std::size_t offset;
    std::size_t lineSize;
    int fields;
  };
  // The items as the table stores them, one record after another.
  std::shared_ptr<std::string> records_ = std::make_shared<std::string>();
  std::vector<Entry> entries_;
};

// Reads the records of CP932 text.
ImportedTable ImportRecords(std::string_view cp932, const ImportOptions& options);

// A new document's columns for an imported table: as many user columns as
// the widest record has fields (one to ten), named by the header as far as
// it goes; the others keep their default names.
void SetImportedColumns(const ImportedTable& table, ColumnDescriptors& columns);

}  // namespace listora
