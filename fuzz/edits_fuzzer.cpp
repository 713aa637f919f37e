// A document's items edited by a program the fuzzer's bytes spell, checked
// against a plain vector of rows: many rows appended at once, inserts,
// removals, field and range rewrites, the reorders of sorting, drag moves
// and the list search, column shifts, copies, and saving and loading back
// (also cut short) with edits going on after the load. Small inputs so
// reach tables of up to two thousand rows over several record blocks, the
// reclaiming of garbage and records lying in a loaded file's bytes.
//
// Most programs stay small (a few dozen rows an operation), so that many run
// a second; the top byte values of an amount ask for hundreds of rows or
// rows of kilobytes, which tables of several blocks need. The model keeps a hash of
// each field rather than its text.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/doc/columns.h"
#include "core/doc/document_file.h"
#include "fuzz/fuzz_document.h"

using namespace listora;

namespace {

constexpr int kMaxRows = 2000;
// What the table's records may occupy: its blocks double from 4 KiB, so
// this is room for seven.
constexpr std::size_t kMaxBytes = std::size_t{512} << 10;
// The work one input may do, in row visits (a row appended, moved or
// compared), some 8 ms under the sanitizers: an operation that would go
// beyond it is cut down or left out. A byte of text costs a fraction of a
// visit, which depends on how it is handled: cleaned when appended, copied
// when a row is written anew, read, stored or enciphered.
constexpr long kWorkLimit = 6000;
constexpr long kBytesCleaned = 40;
constexpr long kBytesCopied = 160;
constexpr long kBytesRead = 256;
constexpr long kBytesStored = 32;
constexpr long kBytesEnciphered = 16;
// The whole table is compared with the model after this many operations,
// after every load and at the end.
constexpr int kCheckEvery = 8;

class Program {
 public:
  Program(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Done() const { return at_ >= size_; }
  int Byte() { return at_ < size_ ? data_[at_++] : 0; }
  int Below(int limit) { return limit <= 0 ? 0 : (Byte() << 8 | Byte()) % limit; }
  // Up to 59, or from the top sixteen byte values 1..16 times `large`.
  int Amount(int large) {
    const int b = Byte();
    return b < 0xF0 ? b / 4 : (b - 0xEF) * large;
  }
  // A short text of raw bytes: separators, lead bytes and all.
  std::string Text() {
    std::string text(static_cast<std::size_t>(Byte() % 12), '\0');
    for (char& c : text) c = static_cast<char>(Byte());
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// Four bytes a field keep the model small; a wrong field still shows but
// once in four billion.
std::uint32_t Hash(std::string_view text) {
  return static_cast<std::uint32_t>(std::hash<std::string_view>{}(text));
}
const std::uint32_t kEmpty = Hash("");

// A row of the model: a hash of each field's clean text (columns 0..10,
// image path, memo, as the table numbers them) and the search mark. Rows
// without texts of their own keep appending, moving and comparing thousands
// of them cheap.
struct ModelRow {
  std::array<std::uint32_t, kFieldCount> fields;
  bool mark = false;
};

ModelRow EmptyModelRow() {
  ModelRow m;
  m.fields.fill(kEmpty);
  return m;
}

// The row's fields read in one pass over its record; Cell, which seeks its
// column from the record's start, reads one column a row in turn, so that a
// row of long texts is not read once for every column.
std::array<std::string_view, kFieldCount> TableFields(const ItemTable& table, int row) {
  static constexpr auto kColumns = [] {
    std::array<int, kMaxColumns> columns{};
    for (int c = 0; c < kMaxColumns; ++c) columns[c] = c;
    return columns;
  }();
  std::array<std::string_view, kFieldCount> fields;
  ItemTable::ColumnTexts(table.RecordOf(row), kColumns, std::span(fields).first(kMaxColumns));
  const int column = row % kMaxColumns;
  if (table.Cell(row, column) != fields[column]) std::abort();
  fields[kImageField] = table.ImagePath(row);
  fields[kMemoField] = table.Memo(row);
  return fields;
}

class Session {
 public:
  explicit Session(int columns) : columns_(columns) {
    doc_.settings.columns.count = static_cast<std::uint16_t>(columns);
    for (int c = 0; c < kMaxColumns; ++c) SetDefaultColumn(doc_.settings.columns, c);
  }

  void Run(Program& in) {
    for (int step = 1; !in.Done() && work_ < kWorkLimit; ++step) {
      ++work_;
      Step(in);
      if (step % kCheckEvery == 0) Check();
    }
    Check();
  }

 private:
  int Rows() const { return static_cast<int>(model_.size()); }
  ItemTable& Table() { return doc_.items; }
  std::size_t Bytes() const { return doc_.items.MemoryBytes(); }
  long Cost(long rows, std::size_t bytes, long bytesPerVisit) const {
    return rows + static_cast<long>(bytes) / bytesPerVisit;
  }
  long Left() const { return kWorkLimit - work_; }
  // How many of `count` steps of `each` work the budget allows (one at least).
  int Afford(int count, long each) const {
    return static_cast<int>(std::clamp<long>(Left() / std::max(each, 1L), 1, count));
  }
  // A pass over the whole table that reads every record.
  void Visit() { work_ += Cost(Rows(), Bytes(), kBytesRead); }

  // Column 0 as the table derives it from the memo and the image path.
  static void SetModelIcon(ModelRow& m) {
    m.fields[0] = Hash(MakeIconIndex(m.fields[kMemoField] == kEmpty ? "" : "m",
                                     m.fields[kImageField] == kEmpty ? "" : "i"));
  }

  void Step(Program& in) {
    switch (in.Byte() % 12) {
      case 0: AppendMany(in); break;
      case 1: {
        const int row = in.Below(Rows() + 1);
        ItemFields f;
        f.columns[1] = in.Text();
        f.columns[columns_ - 1] = in.Text();
        f.memo = in.Text();
        f.columns[0] = MakeIconIndex(f.memo, f.imagePath);
        // The table cleans what it is given.
        Table().InsertRow(row, f);
        ModelRow m = EmptyModelRow();
        m.fields[0] = Hash(f.columns[0]);
        m.fields[1] = Hash(CleanColumnText(f.columns[1]));
        m.fields[columns_ - 1] = Hash(CleanColumnText(f.columns[columns_ - 1]));
        m.fields[kMemoField] = Hash(CleanMemoText(f.memo));
        model_.insert(model_.begin() + row, m);
        break;
      }
      case 2:
        if (Rows() > 0) {
          const int row = in.Below(Rows());
          Table().RemoveRow(row);
          model_.erase(model_.begin() + row);
        }
        break;
      case 3:
        if (Rows() > 0) SetField(in.Below(Rows()), in.Byte() % (kMaxColumns + 1), in.Text());
        break;
      case 4: RewriteRange(in); break;
      case 5: RemoveEvery(in); break;
      case 6: MoveMarkedToTop(in); break;
      case 7: Permute(in); break;
      case 8:
        if (columns_ > 2) {
          Visit();  // and as much again to write the rows anew
          Visit();
          const int from = 1 + in.Below(columns_ - 1);
          Table().ShiftColumnsLeft(from, columns_ - 1);
          for (ModelRow& m : model_) {
            std::move(&m.fields[from + 1], &m.fields[columns_], &m.fields[from]);
            m.fields[columns_ - 1] = kEmpty;
          }
        }
        break;
      case 9: SaveAndLoad(in); break;
      case 10: LoadCutShort(in); break;
      case 11: {
        // A copy shares the blocks already written; edits of one must not
        // show in the other.
        work_ += Rows();
        const ItemTable copy = Table();
        if (Rows() > 0) {
          Table().SetCell(0, 1, "changed after the copy");
          if (Hash(copy.Cell(0, 1)) != model_[0].fields[1]) std::abort();
          Table() = copy;
        }
        break;
      }
    }
  }

  void AppendMany(Program& in) {
    int count = 1 + in.Amount(64);
    const int sizeByte = in.Byte();
    const std::size_t fillSize =
        static_cast<std::size_t>(sizeByte < 0xF0 ? sizeByte : (sizeByte - 0xEF) * 1024);
    const std::string fill(fillSize, static_cast<char>(in.Byte()));
    const std::string cleanFill = CleanColumnText(fill);
    const bool memos = in.Byte() % 2 != 0;
    const std::size_t room = kMaxBytes - std::min(kMaxBytes, Bytes());
    count = std::min({count, kMaxRows - Rows(), static_cast<int>(room / (fillSize + 32))});
    if (count <= 0) return;
    // An appended row costs a few visits: all its fields are cleaned.
    count = Afford(count, Cost(4, fillSize, kBytesCleaned));
    work_ += Cost(4L * count, count * fillSize, kBytesCleaned);
    ItemFields f;
    std::string clean;
    for (int i = 0; i < count; ++i) {
      const std::string number = std::to_string(Rows());
      f.columns[1].assign(number).append(fill);
      f.columns[columns_ - 1] = std::to_string(i % 7);
      f.memo = memos && i % 3 == 0 ? "memo\r\n" + std::to_string(i) : "";
      f.columns[0] = MakeIconIndex(f.memo, f.imagePath);
      Table().AppendRow(f);
      ModelRow m = EmptyModelRow();
      m.fields[0] = Hash(f.columns[0]);
      m.fields[1] = Hash(clean.assign(number).append(cleanFill));
      m.fields[columns_ - 1] = Hash(f.columns[columns_ - 1]);
      m.fields[kMemoField] = Hash(f.memo);
      model_.push_back(m);
    }
  }

  // Field 0..10 a column (0 the icon, as the table allows), 11 the memo.
  void SetField(int row, int field, const std::string& text) {
    ModelRow& m = model_[row];
    if (field == kMaxColumns) {
      Table().SetMemo(row, text);
      Table().UpdateIconIndex(row);
      m.fields[kMemoField] = Hash(CleanMemoText(text));
      SetModelIcon(m);
      return;
    }
    // The icon column is written by the table only through the memo and
    // the image path, as the program does.
    const int column = field == 0 ? 1 : field;
    Table().SetCell(row, column, text);
    m.fields[column] = Hash(CleanColumnText(text));
  }

  void RewriteRange(Program& in) {
    if (Rows() == 0) return;
    const int start = in.Below(Rows());
    int count = std::min(Rows() - start, 1 + in.Amount(64));
    const int column = 1 + in.Below(columns_ - 1);
    const std::string text = in.Text();
    const bool image = in.Byte() % 2 != 0;
    // Each row is written anew, its whole record copied.
    const long each = Cost(1, Bytes() / static_cast<std::size_t>(Rows()), kBytesCopied);
    count = Afford(count, each);
    work_ += each * count;
    for (int row = start; row < start + count; ++row) {
      if (image) {
        Table().SetImagePath(row, text);
        Table().UpdateIconIndex(row);
        model_[row].fields[kImageField] = Hash(CleanMemoText(text));
        SetModelIcon(model_[row]);
      } else {
        SetField(row, column, text + std::to_string(row));
      }
    }
  }

  void RemoveEvery(Program& in) {
    work_ += Rows();
    const int stride = 1 + in.Byte() % 8;
    const int offset = in.Byte() % stride;
    std::vector<int> rows;
    for (int row = offset; row < Rows(); row += stride) rows.push_back(row);
    Table().RemoveRows(rows);
    std::vector<ModelRow> kept;
    kept.reserve(model_.size());
    for (int row = 0; row < Rows(); ++row)
      if (row < offset || (row - offset) % stride != 0) kept.push_back(model_[row]);
    model_ = std::move(kept);
  }

  void MoveMarkedToTop(Program& in) {
    work_ += Rows();
    const int stride = 1 + in.Byte() % 5;
    for (int row = 0; row < Rows(); ++row) {
      const bool mark = row % stride == 0;
      Table().SetMark(row, mark);
      model_[row].mark = mark;
    }
    const int marked = Table().MoveMarkedToTop();
    std::stable_partition(model_.begin(), model_.end(), [](const ModelRow& m) { return m.mark; });
    if (marked != static_cast<int>(
                      std::count_if(model_.begin(), model_.end(), [](auto& m) { return m.mark; })))
      std::abort();
  }

  void Permute(Program& in) {
    work_ += Rows();
    std::vector<int> order(static_cast<std::size_t>(Rows()));
    for (int i = 0; i < Rows(); ++i) order[i] = i;
    if (in.Byte() % 2 == 0)
      std::reverse(order.begin(), order.end());
    else if (Rows() > 0)
      std::rotate(order.begin(), order.begin() + in.Below(Rows()), order.end());
    Table().Permute(order);
    std::vector<ModelRow> moved;
    moved.reserve(model_.size());
    for (int from : order) moved.push_back(model_[from]);
    model_ = std::move(moved);
  }

  // A save and its load cost their rows and bytes, enciphered ones far
  // more; one the budget cannot afford is left out (empty).
  std::string Store(Program& in) {
    StoreOptions options;
    options.mode = static_cast<ProtectionMode>(in.Byte() % 3);
    options.password = fuzz::kPassword;
    const long cost =
        Cost(2 * Rows(), Bytes(),
             options.mode == ProtectionMode::kPlain ? kBytesStored : kBytesEnciphered);
    if (cost > Left()) return {};
    work_ += cost;
    return StoreDocument(doc_, options);
  }

  // What the file keeps: the columns the document has, no marks.
  void ModelAsStored() {
    for (ModelRow& m : model_) {
      std::fill(&m.fields[columns_], &m.fields[kMaxColumns], kEmpty);
      m.mark = false;
    }
  }

  void SaveAndLoad(Program& in) {
    std::string bytes = Store(in);
    if (bytes.empty()) return;
    Document loaded;
    const LoadResult result = LoadDocument(std::move(bytes), fuzz::AnsweringCallbacks(), loaded);
    if (result.status != LoadStatus::kLoaded || result.endedEarly || result.wholeItems != Rows())
      std::abort();
    doc_ = std::move(loaded);
    ModelAsStored();
    Check();
  }

  // A file cut anywhere in its item section loads the items before the cut
  // and says it ended early.
  void LoadCutShort(Program& in) {
    const std::string bytes = Store(in);
    if (bytes.empty()) {
      in.Below(1);  // the cut's bytes, so that the rest of the program reads as before
      return;
    }
    const std::uint32_t itemOffset = ReadHeader(bytes)->itemOffset;
    if (bytes.size() <= itemOffset) return;
    const std::size_t cut = itemOffset + static_cast<std::size_t>(
                                             in.Below(static_cast<int>(bytes.size() - itemOffset)));
    Document loaded;
    const LoadResult result =
        LoadDocument(bytes.substr(0, cut), fuzz::AnsweringCallbacks(), loaded);
    const int whole = result.wholeItems;
    const int kept = loaded.items.GetSize();
    if (result.status != LoadStatus::kLoaded || !result.endedEarly || whole >= Rows() ||
        kept != whole)
      std::abort();
    // An enciphered file loses the rest of a cut block, so the cut may lie
    // before the last row kept; the rows kept read as stored.
    for (int row = 0; row < whole; ++row)
      if (!SameRow(loaded.items, row, model_[row], columns_)) std::abort();
  }

  // The columns from `stored` on are not in a file and read back empty.
  static bool SameRow(const ItemTable& table, int row, const ModelRow& m,
                      int stored = kMaxColumns) {
    const auto fields = TableFields(table, row);
    for (int field = 0; field < kFieldCount; ++field) {
      const bool kept = field >= kMaxColumns || field < stored;
      if (Hash(fields[field]) != (kept ? m.fields[field] : kEmpty)) return false;
    }
    return true;
  }

  void Check() {
    Visit();
    if (Table().GetSize() != Rows()) std::abort();
    for (int row = 0; row < Rows(); ++row)
      if (!SameRow(Table(), row, model_[row]) || Table().Marked(row) != model_[row].mark)
        std::abort();
  }

  int columns_;
  long work_ = 0;
  Document doc_;
  std::vector<ModelRow> model_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Program in(data, size);
  Session session(2 + in.Byte() % (kMaxColumns - 1));
  session.Run(in);
  return 0;
}
