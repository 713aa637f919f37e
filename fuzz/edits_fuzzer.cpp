// A document's items edited by a program the fuzzer's bytes spell, checked
// against a plain vector of rows: many rows appended at once, inserts,
// removals, field and range rewrites, the reorders of sorting, drag moves
// and the list search, column shifts, copies, and saving and loading back
// (also cut short) with edits going on after the load. Small inputs so
// reach tables of thousands of rows over several record blocks, the
// reclaiming of garbage and records lying in a loaded file's bytes.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/doc/columns.h"
#include "core/doc/document_file.h"
#include "fuzz/fuzz_document.h"

using namespace listora;

namespace {

constexpr int kMaxRows = 5000;
// Rows handled over one input (an operation on the whole table counts each
// row): a long program ends there instead of running into the time limit.
constexpr long kWorkLimit = 400000;

class Program {
 public:
  Program(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Done() const { return at_ >= size_; }
  int Byte() { return at_ < size_ ? data_[at_++] : 0; }
  int Below(int limit) { return limit <= 0 ? 0 : (Byte() << 8 | Byte()) % limit; }
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

struct ModelRow {
  ItemFields fields;
  bool mark = false;
};

class Session {
 public:
  explicit Session(int columns) : columns_(columns) {
    doc_.settings.columns.count = static_cast<std::uint16_t>(columns);
    for (int c = 0; c < kMaxColumns; ++c) SetDefaultColumn(doc_.settings.columns, c);
    // The model's rows are never copied to make room.
    model_.reserve(kMaxRows);
  }

  void Run(Program& in) {
    while (!in.Done() && work_ < kWorkLimit) {
      work_ += Rows() + 1;
      Step(in);
    }
    Check();
  }

 private:
  int Rows() const { return static_cast<int>(model_.size()); }
  ItemTable& Table() { return doc_.items; }

  static void SetIcon(ItemFields& f) { f.columns[0] = MakeIconIndex(f.memo, f.imagePath); }

  static ItemFields Cleaned(ItemFields f) {
    for (std::string& column : f.columns) column = CleanColumnText(column);
    f.memo = CleanMemoText(f.memo);
    f.imagePath = CleanMemoText(f.imagePath);
    SetIcon(f);
    return f;
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
        f = Cleaned(f);
        Table().InsertRow(row, f);
        model_.insert(model_.begin() + row, ModelRow{f});
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
          const int from = 1 + in.Below(columns_ - 1);
          Table().ShiftColumnsLeft(from, columns_ - 1);
          for (ModelRow& m : model_) {
            std::string* columns = m.fields.columns;
            std::move(columns + from + 1, columns + columns_, columns + from);
            columns[columns_ - 1].clear();
          }
        }
        break;
      case 9: SaveAndLoad(in); break;
      case 10: LoadCutShort(in); break;
      case 11: {
        // A copy shares the blocks already written; edits of one must not
        // show in the other.
        const ItemTable copy = Table();
        if (Rows() > 0) {
          Table().SetCell(0, 1, "changed after the copy");
          if (copy.Cell(0, 1) != model_[0].fields.columns[1]) std::abort();
          Table() = copy;
        }
        break;
      }
    }
  }

  void AppendMany(Program& in) {
    const int count = std::min(1 + in.Byte() * 16, kMaxRows - Rows());
    const std::string fill(static_cast<std::size_t>(in.Byte()), static_cast<char>(in.Byte()));
    const bool memos = in.Byte() % 2 != 0;
    for (int i = 0; i < count; ++i) {
      ItemFields f;
      f.columns[1] = std::to_string(Rows()) + fill;
      f.columns[columns_ - 1] = std::to_string(i % 7);
      if (memos && i % 3 == 0) f.memo = "memo\r\n" + std::to_string(i);
      f = Cleaned(f);
      Table().AppendRow(f);
      model_.push_back(ModelRow{f});
    }
  }

  // Field 0..10 a column (0 the icon, as the table allows), 11 the memo.
  void SetField(int row, int field, const std::string& text) {
    ItemFields& f = model_[row].fields;
    if (field == kMaxColumns) {
      Table().SetMemo(row, text);
      Table().UpdateIconIndex(row);
      f.memo = CleanMemoText(text);
      SetIcon(f);
      return;
    }
    // The icon column is written by the table only through the memo and
    // the image path, as the program does.
    const int column = field == 0 ? 1 : field;
    Table().SetCell(row, column, text);
    f.columns[column] = CleanColumnText(text);
  }

  void RewriteRange(Program& in) {
    if (Rows() == 0) return;
    const int start = in.Below(Rows());
    const int count = std::min(Rows() - start, 1 + in.Byte() * 16);
    const int column = 1 + in.Below(columns_ - 1);
    const std::string text = in.Text();
    const bool image = in.Byte() % 2 != 0;
    for (int row = start; row < start + count; ++row) {
      if (image) {
        Table().SetImagePath(row, text);
        Table().UpdateIconIndex(row);
        model_[row].fields.imagePath = CleanMemoText(text);
        SetIcon(model_[row].fields);
      } else {
        SetField(row, column, text + std::to_string(row));
      }
    }
  }

  void RemoveEvery(Program& in) {
    const int stride = 1 + in.Byte() % 8;
    const int offset = in.Byte() % stride;
    std::vector<int> rows;
    for (int row = offset; row < Rows(); row += stride) rows.push_back(row);
    Table().RemoveRows(rows);
    std::vector<ModelRow> kept;
    kept.reserve(model_.capacity());
    for (int row = 0; row < Rows(); ++row)
      if (row < offset || (row - offset) % stride != 0) kept.push_back(std::move(model_[row]));
    model_ = std::move(kept);
  }

  void MoveMarkedToTop(Program& in) {
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
    std::vector<int> order(static_cast<std::size_t>(Rows()));
    for (int i = 0; i < Rows(); ++i) order[i] = i;
    if (in.Byte() % 2 == 0)
      std::reverse(order.begin(), order.end());
    else if (Rows() > 0)
      std::rotate(order.begin(), order.begin() + in.Below(Rows()), order.end());
    Table().Permute(order);
    std::vector<ModelRow> moved;
    moved.reserve(model_.capacity());
    for (int from : order) moved.push_back(std::move(model_[from]));
    model_ = std::move(moved);
  }

  std::string Store(Program& in) {
    StoreOptions options;
    options.mode = static_cast<ProtectionMode>(in.Byte() % 3);
    options.password = fuzz::kPassword;
    return StoreDocument(doc_, options);
  }

  // What the file keeps: the columns the document has, no marks.
  void ModelAsStored() {
    for (ModelRow& m : model_) {
      for (int c = columns_; c < kMaxColumns; ++c) m.fields.columns[c].clear();
      m.mark = false;
    }
  }

  void SaveAndLoad(Program& in) {
    std::string bytes = Store(in);
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
      if (!SameRow(loaded.items, row, model_[row].fields, columns_)) std::abort();
  }

  // The columns from `stored` on are not in a file and read back empty.
  static bool SameRow(const ItemTable& table, int row, const ItemFields& f,
                      int stored = kMaxColumns) {
    for (int c = 0; c < kMaxColumns; ++c)
      if (table.Cell(row, c) != (c < stored ? std::string_view(f.columns[c]) : "")) return false;
    return table.Memo(row) == f.memo && table.ImagePath(row) == f.imagePath;
  }

  void Check() {
    if (Table().GetSize() != Rows()) std::abort();
    for (int row = 0; row < Rows(); ++row)
      if (!SameRow(Table(), row, model_[row].fields) || Table().Marked(row) != model_[row].mark)
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
