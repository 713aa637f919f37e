// The list pane's control on N rows (default one million), shown in a frame
// (run it under Xvfb: xvfb-run -a build/bench/bench_list_control [rows]).
// Times, in milliseconds, what a user does to the whole list: select all,
// invert, read the selection back, scroll to the end, a header-click sort
// and a drag move of 1,000 scattered rows. The selection operations are set
// against a flag per row, the cheapest row-by-row form, run in the same
// process on the same rows.

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "core/doc/columns.h"
#include "core/doc/document_file.h"
#include "core/panes/drag_move.h"
#include "core/panes/sort.h"
#include "ui/panes/item_list_ctrl.h"

using namespace listora;

namespace {

template <typename F>
double Millis(F&& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  return took.count();
}

void Report(const char* what, double ms) { std::printf("%-34s %10.3f ms\n", what, ms); }

void Report(const char* what, double ms, double referenceMs) {
  std::printf("%-34s %10.3f ms   flag per row %10.3f ms   ratio %8.4f\n", what, ms, referenceMs,
              referenceMs > 0 ? ms / referenceMs : 0.0);
}

// Lets the control paint what is due.
void Paint(wxWindow& window) {
  window.Update();
  wxTheApp->Yield(true);
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
  wxApp::SetInstance(new wxApp);
  wxInitializer init(argc, argv);
  if (!init.IsOk()) {
    std::fprintf(stderr, "no display\n");
    return 1;
  }
  Document doc;
  doc.settings.columns.count = 4;
  for (int i = 0; i < kMaxColumns; ++i) SetDefaultColumn(doc.settings.columns, i);
  std::mt19937 random(42);
  ItemFields f;
  f.columns[0] = "0";
  for (int i = 0; i < count; ++i) {
    f.columns[1] = "item " + std::to_string(random() % 100000);
    f.columns[2] = std::to_string(random() % 5000);
    doc.items.AppendRow(f);
  }

  auto* frame = new wxFrame(nullptr, wxID_ANY, "bench", wxDefaultPosition, wxSize(900, 700));
  auto* list = new ItemListCtrl(frame);
  frame->Show();
  list->Attach(&doc);
  list->RebuildColumns();
  list->ApplyStyle();
  list->SyncItemCount();
  Paint(*frame);

  std::vector<bool> flags(static_cast<std::size_t>(count));
  std::vector<int> rows;

  const double selectAll = Millis([&] { list->SelectAllRows(); });
  Report("select all", selectAll, Millis([&] { flags.assign(flags.size(), true); }));
  list->Select(count / 2, false);
  flags[count / 2] = false;
  Report("invert", Millis([&] { list->InvertSelection(); }), Millis([&] { flags.flip(); }));
  list->InvertSelection();
  flags.flip();
  Report("read a whole selection", Millis([&] { rows = list->SelectedRows(); }), Millis([&] {
           rows.clear();
           for (int row = 0; row < count; ++row)
             if (flags[row]) rows.push_back(row);
         }));

  // Every third row: the most scattered selection there is to read.
  list->ClearSelection();
  for (int row = 0; row < count; row += 3) list->Select(row, true);
  flags.assign(flags.size(), false);
  for (int row = 0; row < count; row += 3) flags[row] = true;
  Report("read every third row", Millis([&] { rows = list->SelectedRows(); }), Millis([&] {
           rows.clear();
           for (int row = 0; row < count; ++row)
             if (flags[row]) rows.push_back(row);
         }));
  Report("invert every third row", Millis([&] { list->InvertSelection(); }),
         Millis([&] { flags.flip(); }));
  list->ClearSelection();
  Paint(*frame);

  Report("scroll to the end", Millis([&] {
           list->EnsureVisible(count - 1);
           Paint(*frame);
         }));

  SortFlags sortFlags;
  Report("header-click sort (text column)", Millis([&] {
           ClickColumn(doc.items, doc.settings.columns, sortFlags, 1);
           list->SyncItemCount();
           Paint(*frame);
         }));

  // 1,000 rows spread over the list, picked up at the top and let go in
  // front of row 5, as the list pane's view does with the drop.
  std::vector<int> scattered;
  for (int i = 0; i < 1000; ++i) scattered.push_back(i * (count / 1000));
  list->SelectRows(scattered);
  list->EnsureVisible(0);
  Paint(*frame);
  list->Bind(EVT_ITEM_LIST_DROP, [&](wxCommandEvent& event) {
    if (auto moved = DropDraggedRows(doc.items, list->DraggedRows(), event.GetInt())) {
      list->SyncItemCount();
      list->SelectRows(*moved);
    }
  });
  const int rowHeight = list->RowHeight();
  Report("drag move of 1,000 scattered rows", Millis([&] {
           if (!list->BeginRowDrag(wxPoint(20, rowHeight / 2))) std::printf("no drag\n");
           list->DragTo(wxPoint(20, rowHeight * 5 + rowHeight / 2));
           list->EndRowDrag(true);
           Paint(*frame);
         }));
  const bool moved = list->SelectedRows().size() == scattered.size();
  frame->Destroy();
  return moved ? 0 : 1;
}
