// Load, store and load again: whatever the loader accepts, the store writes
// so that it reads back the same, in the same protection mode and under the
// same password. Two rules are part of that contract: the search history
// comes back in reverse order (at most ten entries, each cleaned as a column
// text), and the column header icons flag follows column 1's image format.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/doc/columns.h"
#include "core/doc/document_file.h"
#include "fuzz/fuzz_document.h"

using namespace listora;

namespace {

// The store writes the column block as the list shows it, so the loaded
// block is compared in that form.
bool SameSettings(DocumentSettings a, DocumentSettings b) {
  NormaliseShownColumns(a.columns);
  a.columns.headerIcons = b.columns.headerIcons = 0;
  return std::memcmp(&a, &b, sizeof a) == 0;
}

bool SameItems(const ItemTable& a, const ItemTable& b, int columns) {
  if (a.GetSize() != b.GetSize()) return false;
  for (int row = 0; row < a.GetSize(); ++row) {
    for (int c = 0; c < columns; ++c)
      if (a.Cell(row, c) != b.Cell(row, c)) return false;
    if (a.Memo(row) != b.Memo(row) || a.ImagePath(row) != b.ImagePath(row)) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const LoadCallbacks callbacks = fuzz::AnsweringCallbacks();
  Document first;
  const LoadResult loaded = LoadDocument(std::string(bytes), callbacks, first);
  if (loaded.status != LoadStatus::kLoaded) return 0;

  StoreOptions options;
  options.mode = static_cast<ProtectionMode>(loaded.header.mode);
  options.password = loaded.password;
  const std::string stored = StoreDocument(first, options);

  Document second;
  const LoadResult reloaded = LoadDocument(stored, callbacks, second);
  if (reloaded.status != LoadStatus::kLoaded || reloaded.header.mode != loaded.header.mode)
    std::abort();
  if (!SameSettings(first.settings, second.settings)) std::abort();
  if (!SameItems(first.items, second.items, first.ColumnCount())) std::abort();

  std::vector<std::string> history;
  const std::size_t kept = std::min(first.history.size(), kMaxStoredHistory);
  for (std::size_t i = kept; i-- > 0;) history.push_back(CleanColumnText(first.history[i]));
  if (second.history != history) std::abort();
  return 0;
}
