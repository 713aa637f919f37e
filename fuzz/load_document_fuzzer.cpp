// The document loader and append-open's item reader on arbitrary bytes, with
// the header's protection mode held at LISTORA_FUZZ_MODE so each build spends
// its time inside one mode's sections. Crashes, leaks and undefined
// behaviour are the findings; the loaded table must also hold none of the
// bytes the file format uses as separators.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/doc/document_file.h"
#include "fuzz/fuzz_document.h"

using namespace listora;

namespace {

void CheckClean(const ItemTable& items, int columns) {
  for (int row = 0; row < items.GetSize(); ++row) {
    for (int c = 0; c < columns; ++c) {
      const std::string_view text = items.Cell(row, c);
      if (text.find_first_of(std::string_view("\x07\x0a\0", 3)) != std::string_view::npos)
        std::abort();
    }
    if (items.Memo(row).find_first_of(std::string_view("\x08\0", 2)) != std::string_view::npos)
      std::abort();
    if (items.ImagePath(row).find_first_of(std::string_view("\x08\0", 2)) != std::string_view::npos)
      std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  if (bytes.size() > 17) bytes[17] = static_cast<char>(LISTORA_FUZZ_MODE);
  const LoadCallbacks callbacks = fuzz::AnsweringCallbacks();

  Document doc;
  // The document is loaded as the programs load it, taking the image over;
  // append-open below reads from a view, so both kinds of source are fuzzed.
  const LoadResult result = LoadDocument(std::string(bytes), callbacks, doc);
  if (result.status == LoadStatus::kLoaded) {
    if (doc.ColumnCount() < 2 || doc.ColumnCount() > kMaxColumns) std::abort();
    if (doc.history.size() > result.header.historyCount) std::abort();
    if (doc.items.GetSize() > static_cast<std::int64_t>(result.header.itemCount)) std::abort();
    CheckClean(doc.items, doc.ColumnCount());
  } else if (!doc.items.IsEmpty() || !doc.history.empty()) {
    std::abort();  // a refused load leaves the document empty
  }

  // Append-open after one existing row, keeping a column count taken from
  // the input so narrower and wider tables both occur.
  ItemTable items;
  items.ResizeRows(1);
  const int keep = size > 18 ? data[18] % (kMaxColumns + 2) : kMaxColumns;
  const LoadResult appended = LoadItemsForAppend(bytes, keep, callbacks, items);
  if (appended.status != LoadStatus::kLoaded && appended.status != LoadStatus::kCancelled &&
      items.GetSize() != 1)
    std::abort();
  CheckClean(items, kMaxColumns);
  return 0;
}
