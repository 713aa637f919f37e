// Undo and redo of the four large edits on a document of N items (default
// one million): a header sort, a drag of 1,000 scattered rows, a replace
// all that changes every cell, and the deletion of every other row. Each
// edit is made as the desktop document makes it, as one step of the
// history, then undone and redone. Printed per step: the edit, the undo
// and the redo in milliseconds of processor time (on a shared machine the
// wall-clock time is mostly spent waiting for a core), the undo as a ratio
// to copying the table (the straightforward way to keep a state to go back
// to), and the memory the history holds, also as a share of the table's.
//   build/bench/bench_undo_history [items]

#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "bench/peak_memory.h"
#include "core/doc/columns.h"
#include "core/doc/edit_history.h"
#include "core/panes/drag_move.h"
#include "core/panes/sort.h"
#include "core/tools/find_replace.h"

using namespace listora;

namespace {

double ProcessorMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

template <typename F>
double Milliseconds(F&& f) {
  const double start = ProcessorMilliseconds();
  f();
  return ProcessorMilliseconds() - start;
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
  Document doc;
  std::vector<int> order;
  doc.settings.columns.count = 5;
  for (int i = 0; i < kMaxColumns; ++i) SetDefaultColumn(doc.settings.columns, i);
  std::mt19937 random(42);
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
  const double tableMb = static_cast<double>(doc.items.MemoryBytes()) / (1 << 20);
  std::printf("%d items, table %.0f MB\n\n", count, tableMb);
  std::printf("%-26s %9s %9s %9s %11s %11s\n", "step", "edit ms", "undo ms", "redo ms", "undo/copy",
              "history MB");

  EditHistory history(doc, order);
  SortFlags directions;
  std::vector<int> scattered;
  for (int i = 0; i < 1000; ++i) scattered.push_back(i * (count / 1000));
  std::vector<int> everyOther;
  for (int i = 0; i < count; i += 2) everyOther.push_back(i);

  struct Step {
    const char* name;
    void (*run)(Document&, SortFlags&, const std::vector<int>&, const std::vector<int>&);
  };
  const Step steps[] = {
      {"sort by column 1",
       [](Document& d, SortFlags& s, const std::vector<int>&, const std::vector<int>&) {
         ClickColumn(d.items, d.settings.columns, s, 1);
       }},
      {"drag 1,000 scattered rows",
       [](Document& d, SortFlags&, const std::vector<int>& rows, const std::vector<int>&) {
         DropDraggedRows(d.items, rows, d.items.GetSize() / 2);
       }},
      {"replace all, every cell",
       [](Document& d, SortFlags&, const std::vector<int>&, const std::vector<int>&) {
         // Every cell of columns 1 and 3 holds an "e" or an "o".
         FindReplaceOptions options{"e", "E"};
         FindReplaceSession(d.items, d.ColumnCount() - 1).ReplaceAll(options);
       }},
      {"delete every other row", [](Document& d, SortFlags&, const std::vector<int>&,
                                    const std::vector<int>& rows) { d.items.RemoveRows(rows); }},
  };
  for (const Step& step : steps) {
    const std::size_t before = history.MemoryBytes();
    const double edit = Milliseconds([&] {
      EditStep s(history, step.name);
      step.run(doc, directions, scattered, everyOther);
    });
    const double held = static_cast<double>(history.MemoryBytes() - before) / (1 << 20);
    const double undo = Milliseconds([&] { history.Undo(); });
    ItemTable copy;
    const double copied = Milliseconds([&] { copy = doc.items; });
    const double redo = Milliseconds([&] { history.Redo(); });
    std::printf("%-26s %9.1f %9.1f %9.1f %11.2f %8.1f (%2.0f%%)\n", step.name, edit, undo, redo,
                undo / copied, held, 100 * held / tableMb);
  }
  std::printf("\nhistory %.1f MB in %zu steps, peak resident memory %ld MB\n",
              static_cast<double>(history.MemoryBytes()) / (1 << 20), history.StepCount(),
              PeakMegabytes());
  return 0;
}
