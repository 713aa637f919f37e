// Checks that a document whose file is larger than 2 GiB stores and loads
// correctly in the plain and the enciphered form: 2,100 items with memos of
// 1 MiB each, so the last items lie past every 31-bit offset. Also loads the
// plain file once more with its header claiming 2^32 - 1 items, which must
// read the items that are there. Prints sizes, times and peak memory; exit
// status 0 when every check held.
//   build/bench/bench_huge_document
// Not part of ./test: it needs about 6.5 GB of memory and a minute or two.

#include <chrono>
#include <cstdio>
#include <string>

#include "bench/peak_memory.h"
#include "core/doc/columns.h"
#include "core/doc/document_file.h"

using namespace listora;

namespace {

constexpr int kItems = 2100;
constexpr std::size_t kMemoBytes = std::size_t{1} << 20;

std::string Memo(int item) {
  std::string memo(kMemoBytes, static_cast<char>('a' + item % 26));
  memo.replace(0, std::to_string(item).size(), std::to_string(item));
  return memo;
}

bool Check(const char* what, const Document& doc) {
  bool ok = doc.items.GetSize() == kItems;
  for (int i = 0; ok && i < kItems; ++i) {
    ok = doc.items.Cell(i, 1) == "item " + std::to_string(i) && doc.items.Memo(i) == Memo(i) &&
         doc.items.IconIndex(i) == "1";
  }
  std::printf("%-34s %s (%d items)\n", what, ok ? "correct" : "WRONG", doc.items.GetSize());
  return ok;
}

template <typename F>
void Time(const char* what, F&& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf("%-34s %8.1f s\n", what, took.count());
}

}  // namespace

int main() {
  Document doc;
  doc.settings.columns.count = 3;
  for (int c = 0; c < kMaxColumns; ++c) SetDefaultColumn(doc.settings.columns, c);
  for (int i = 0; i < kItems; ++i) {
    ItemFields f;
    f.columns[1] = "item " + std::to_string(i);
    f.memo = Memo(i);
    f.columns[0] = MakeIconIndex(f.memo, f.imagePath);
    doc.items.AppendRow(f);
  }

  bool ok = true;
  for (const ProtectionMode mode : {ProtectionMode::kPlain, ProtectionMode::kEncrypted}) {
    const bool plain = mode == ProtectionMode::kPlain;
    StoreOptions options;
    options.mode = mode;
    std::string bytes;
    Time(plain ? "store (plain)" : "store (encrypted)",
         [&] { bytes = StoreDocument(doc, options); });
    std::printf("%-34s %8zu MB (2 GiB = 2048 MB)\n", "file size", bytes.size() >> 20);
    ok = ok && bytes.size() > (std::size_t{1} << 31);
    {
      Document loaded;
      LoadResult result;
      Time(plain ? "load (plain)" : "load (encrypted)",
           [&] { result = LoadDocument(bytes, {}, loaded); });
      ok = result.status == LoadStatus::kLoaded && Check("  items", loaded) && ok;
    }
    if (plain) {
      for (int i = 4; i < 8; ++i) bytes[i] = '\xFF';  // 4,294,967,295 items claimed
      Document loaded;
      LoadResult result;
      Time("load (item count 2^32-1)", [&] { result = LoadDocument(bytes, {}, loaded); });
      ok = result.status == LoadStatus::kLoaded && Check("  items", loaded) && ok;
    }
  }
  std::printf("%-34s %8ld MB\n", "peak memory", PeakMegabytes());
  std::printf("%s\n", ok ? "every check held" : "A CHECK FAILED");
  return ok ? 0 : 1;
}
