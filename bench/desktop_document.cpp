// The desktop program with a large document, driven through its real
// windows under Xvfb as the GUI tests drive them:
//   BENCH_DOCUMENT=FILE.ltb xvfb-run -a -s "-screen 0 1280x1024x24"
//       build/bench/bench_desktop_document       (one command line)
// Prints, in seconds: the core's load alone, opening the document in the
// program until the list has painted, scrolling the list to its end,
// grouping the tree by display position 2, expanding every node, scrolling
// the tree to its end, collapsing every node and sorting the list by a
// header click on its first text column, each through the pane's own
// commands and until painted, with the peak resident memory after it and
// the longest time within it that the program handled no event; then
// the peak against the file's size, once the document is open and with the
// tree grouped and expanded.

#include <gtest/gtest.h>
#include <wx/listbase.h>
#include <wx/timer.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/base/file_io.h"
#include "core/doc/document_file.h"
#include "ui/app/listora_app.h"
#include "ui/app/listora_doc_manager.h"
#include "ui/base/command_ids.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/group_tree_ctrl.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/tree_pane.h"
#include "ui/support/gui_app.h"

namespace listora::test {
namespace {

template <typename F>
double Seconds(F&& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  return took.count();
}

// The longest time the program handled no event: a timer ticking every
// 10 ms is handled only while the event loop runs, or a progress dialog
// lets pending events run.
class StallWatch : public wxTimer {
 public:
  void Begin() {
    last_ = std::chrono::steady_clock::now();
    longest_ = 0;
    Start(10);
  }
  double End() {
    Notify();
    Stop();
    return longest_;
  }
  void Notify() override {
    const auto now = std::chrono::steady_clock::now();
    longest_ = std::max(longest_, std::chrono::duration<double>(now - last_).count());
    last_ = now;
  }

 private:
  std::chrono::steady_clock::time_point last_;
  double longest_ = 0;
};

// Wall-clock and processor seconds of one step (on a machine shared with
// other work the wall clock includes the time spent waiting for a core),
// and its longest stall.
struct Took {
  double wall;
  double cpu;
  double stall;
};

template <typename F>
Took Timed(F&& f) {
  StallWatch watch;
  watch.Begin();
  const std::clock_t start = std::clock();
  const double wall = Seconds(std::forward<F>(f));
  const double cpu = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  return {wall, cpu, watch.End()};
}

// A figure of /proc/self/status in KiB: "VmHWM:" the peak resident
// memory, "VmRSS:" the resident memory now.
long StatusKiB(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + key.size());
  }
  return 0;
}

long PeakKiB() { return StatusKiB("VmHWM:"); }

void Paint() {
  App().GetTopWindow()->Update();
  Pump();
}

TEST(DesktopBenchmark, LargeDocument) {
  const char* file = std::getenv("BENCH_DOCUMENT");
  if (!file) GTEST_SKIP() << "set BENCH_DOCUMENT to a .ltb file";
  StartFresh();
  const long programPeak = PeakKiB();
  const double size = static_cast<double>(std::filesystem::file_size(file));

  // The best of three, so that the program's own share is not understated.
  double core = 1e9;
  for (int run = 0; run < 3; ++run) {
    core = std::min(core, Seconds([&] {
                      Document doc;
                      LoadDocument(std::move(*ReadFileBytes(file)), {}, doc);
                    }));
  }
  const Took open = Timed([&] {
    App().DocManager()->CreateDocument(wxString::FromUTF8(file), wxDOC_SILENT);
    Paint();
  });
  const long openPeak = PeakKiB();
  ItemListCtrl& list = *App().Frame()->PaneWindows().list;
  ASSERT_GT(list.GetItemCount(), 0);
  const Took scroll = Timed([&] {
    list.EnsureVisible(list.GetItemCount() - 1);
    Paint();
  });
  const long scrollPeak = PeakKiB();
  TreePane& tree = *App().Frame()->PaneWindows().tree;
  const Took group = Timed([&] {
    SendCommand(cmd::kTreeGroup1 + 1, &tree);
    Paint();
  });
  const long groupPeak = PeakKiB();
  const Took expand = Timed([&] {
    SendCommand(cmd::kTreeExpandAll, &tree);
    Paint();
  });
  const long expandPeak = PeakKiB();
  GroupTreeCtrl& control = *tree.Tree();
  const std::size_t openRows = control.RowCount();
  const Took treeEnd = Timed([&] {
    control.SelectItem(control.NodeAtRow(control.RowCount() - 1));
    Paint();
  });
  const long treeEndPeak = PeakKiB();
  const Took collapse = Timed([&] {
    SendCommand(cmd::kTreeCollapseAll, &tree);
    Paint();
  });
  const long collapsePeak = PeakKiB();
  const Took sort = Timed([&] {
    wxListEvent click(wxEVT_LIST_COL_CLICK, list.GetId());
    click.SetEventObject(&list);
    click.SetColumn(1);
    list.GetEventHandler()->ProcessEvent(click);
    Paint();
  });
  const long sortPeak = PeakKiB();
  const auto mib = [](long kib) { return kib / 1024.0; };

  std::printf("core load (best of 3)     %8.2f s\n", core);
  std::printf(
      "open until painted        %8.2f s  (%.2f s after the core's load; stall %.2f s; "
      "peak %.0f MiB)\n",
      open.wall, open.wall - core, open.stall, mib(openPeak));
  std::printf("scroll to the end         %8.2f s  (stall %.2f s; peak %.0f MiB)\n", scroll.wall,
              scroll.stall, mib(scrollPeak));
  std::printf(
      "tree by position 2        %8.2f s  (processor %.2f s; stall %.2f s; %zu nodes; "
      "peak %.0f MiB)\n",
      group.wall, group.cpu, group.stall, tree.Grouping().NodeCount(), mib(groupPeak));
  std::printf(
      "expand all                %8.2f s  (processor %.2f s; stall %.2f s; %zu rows; "
      "peak %.0f MiB)\n",
      expand.wall, expand.cpu, expand.stall, openRows, mib(expandPeak));
  std::printf(
      "tree to its last row      %8.2f s  (processor %.2f s; stall %.2f s; peak %.0f MiB)\n",
      treeEnd.wall, treeEnd.cpu, treeEnd.stall, mib(treeEndPeak));
  std::printf(
      "collapse all              %8.2f s  (processor %.2f s; stall %.2f s; %zu rows left; "
      "peak %.0f MiB)\n",
      collapse.wall, collapse.cpu, collapse.stall, control.RowCount(), mib(collapsePeak));
  std::printf(
      "sort by column 1          %8.2f s  (processor %.2f s; stall %.2f s; peak %.0f MiB)\n",
      sort.wall, sort.cpu, sort.stall, mib(sortPeak));
  std::printf("peak memory, no document  %8.0f MiB\n", programPeak / 1024.0);
  std::printf("peak memory, document open %7.0f MiB = %.2f x the file\n", openPeak / 1024.0,
              openPeak * 1024.0 / size);
  std::printf("peak memory, tree expanded %7.0f MiB = %.2f x the file\n", mib(expandPeak),
              expandPeak * 1024.0 / size);
  std::printf("peak memory at the end    %8.0f MiB = %.2f x the file\n", mib(PeakKiB()),
              PeakKiB() * 1024.0 / size);
}

}  // namespace
}  // namespace listora::test
