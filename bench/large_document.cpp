// Builds a document of N items (default one million), then times storing,
// loading, the header-click sorts, grouping, duplicates, the list search
// and whole-table moves, and reports the peak
// resident memory, so regressions to quadratic behaviour or bloated rows show.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "bench/peak_memory.h"
#include "core/doc/columns.h"
#include "core/doc/document_file.h"
#include "core/panes/drag_move.h"
#include "core/panes/grouping.h"
#include "core/panes/sort.h"
#include "core/tools/duplicates.h"
#include "core/tools/list_search.h"

using namespace listora;

namespace {

template <typename F>
void Time(const char* what, F&& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf("%-28s %8.3f s\n", what, took.count());
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
  Document doc;
  doc.settings.columns.count = 5;
  for (int i = 0; i < kMaxColumns; ++i) SetDefaultColumn(doc.settings.columns, i);

  std::mt19937 random(42);
  Time("build table", [&] {
    ItemFields f;
    for (int i = 0; i < count; ++i) {
      f.columns[1] = "item " + std::to_string(random() % 100000);
      f.columns[2] = std::to_string(random() % 5000);
      f.columns[3] = "folder/sub/file" + std::to_string(i) + ".jpg";
      f.columns[4] = i % 7 == 0 ? "note" : "";
      f.memo = i % 10 == 0 ? "a memo line\r\nand another" : "";
      f.columns[0] = MakeIconIndex(f.memo, f.imagePath);
      doc.items.AppendRow(f);
    }
  });
  std::printf("peak memory after build      %8ld MB\n", PeakMegabytes());

  std::string bytes;
  Time("store (plain)", [&] { bytes = StoreDocument(doc, {}); });
  std::printf("file size                    %8zu MB\n", bytes.size() >> 20);
  Document loaded;
  Time("load (plain)", [&] { LoadDocument(bytes, {}, loaded); });
  StoreOptions enciphered;
  enciphered.mode = ProtectionMode::kEncrypted;
  Time("store (encrypted)", [&] { bytes = StoreDocument(doc, enciphered); });
  Time("load (encrypted)", [&] { LoadDocument(bytes, {}, loaded); });

  SortFlags flags;
  Time("sort by text column",
       [&] { ClickColumn(loaded.items, loaded.settings.columns, flags, 1); });
  loaded.settings.columns.formats[2] |= kFormatRight;
  Time("sort by numeric column",
       [&] { ClickColumn(loaded.items, loaded.settings.columns, flags, 2); });
  Time("grouping tree, position 1",
       [&] { BuildGroupingTree(loaded.items, StoredDisplayOrder(loaded.settings.columns), 1); });
  Time("duplicates of column 1", [&] { FindDuplicates(loaded.items, 1); });
  Time("list search", [&] { ListSearch(loaded.items, 4, "item 99"); });

  std::vector<int> every10;
  for (int i = 0; i < count; i += 10) every10.push_back(i);
  Time("drag every 10th row to top", [&] { DropDraggedRows(loaded.items, every10, 0); });
  Time("remove every 10th row", [&] { loaded.items.RemoveRows(every10); });
  for (int i = 0; i < loaded.items.GetSize(); i += 3) loaded.items.SetMark(i, true);
  Time("marked rows to top", [&] { loaded.items.MoveMarkedToTop(); });
  std::printf("peak memory                  %8ld MB\n", PeakMegabytes());
  return loaded.items.GetSize() > 0 ? 0 : 1;
}
