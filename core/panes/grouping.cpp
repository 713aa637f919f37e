#include "core/panes/grouping.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/base/huge_pages.h"
#include "core/doc/columns.h"
#include "core/text/cp932.h"

namespace listora {
namespace {

inline constexpr int kMaxLevels = 4;
// Levels whose nodes are shared by rows with equal texts; below them every
// row gets a node of its own.
inline constexpr std::size_t kSharedLevels = 3;

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// cp932::MbsCompare of two texts, the most part decided by their order
// prefixes (cp932::OrderPrefix). Texts equal under it are byte-identical.
int CompareTexts(std::uint64_t prefixA, std::string_view a, std::uint64_t prefixB,
                 std::string_view b) {
  if (prefixA != prefixB) return prefixA < prefixB ? -1 : 1;
  return a == b ? 0 : cp932::MbsCompare(a, b);
}

// One row of a group: its texts at the levels below the first, with their
// order prefixes, and its record.
struct LowerLevels {
  std::uint64_t prefixes[kMaxLevels - 1];
  std::string_view texts[kMaxLevels - 1];
  const char* record;
};

// Records are read in an order of their own, seldom the order they lie in:
// asking for one a few rows ahead hides most of the wait for memory.
constexpr std::size_t kPrefetchDistance = 8;

// Rows read between calls of the progress while the rows are first read.
constexpr std::size_t kRowsBetweenReports = 65536;

// Every row's record, grouped by the text at the first level, the groups in
// code order (the rows of a group in no particular order).
struct FirstLevelGroups {
  std::vector<const char*> records;
  std::vector<std::size_t> starts;  // group k is records[starts[k]..starts[k + 1])
  bool stopped = false;             // by the progress, before any group was made

  std::size_t GroupCount() const { return starts.empty() ? 0 : starts.size() - 1; }

  FirstLevelGroups(const ItemTable& items, int column, const GroupingProgress& progress) {
    const auto rowCount = static_cast<std::size_t>(items.GetSize());
    ReserveLarge(records, rowCount);
    for (std::size_t row = 0; row < rowCount; ++row)
      records.push_back(items.RecordOf(static_cast<int>(row)));
    // The table is not read after this: the progress may let it change.

    const int columns[] = {column};
    std::unordered_map<std::string_view, std::uint32_t> indexOfText;
    std::vector<std::string_view> texts;
    std::vector<std::uint32_t> keyOfRow;  // the text's index, then its group
    ReserveLarge(keyOfRow, rowCount);
    keyOfRow.resize(rowCount);
    for (std::size_t row = 0; row < rowCount; ++row) {
      if (row % kRowsBetweenReports == kRowsBetweenReports - 1 && progress && progress(0)) {
        stopped = true;
        return;
      }
      std::string_view text;
      ItemTable::ColumnTexts(records[row], columns, std::span(&text, 1));
      const auto [it, added] =
          indexOfText.try_emplace(text, static_cast<std::uint32_t>(texts.size()));
      if (added) texts.push_back(text);
      keyOfRow[row] = it->second;
    }
    std::vector<std::uint64_t> prefixes(texts.size());
    for (std::size_t k = 0; k < texts.size(); ++k) prefixes[k] = cp932::OrderPrefix(texts[k]);
    std::vector<std::uint32_t> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
      return CompareTexts(prefixes[a], texts[a], prefixes[b], texts[b]) < 0;
    });
    std::vector<std::uint32_t> groupOfText(texts.size());
    for (std::size_t k = 0; k < order.size(); ++k)
      groupOfText[order[k]] = static_cast<std::uint32_t>(k);
    starts.assign(texts.size() + 1, 0);
    for (std::uint32_t& key : keyOfRow) {
      key = groupOfText[key];
      ++starts[key + 1];
    }
    for (std::size_t k = 1; k < starts.size(); ++k) starts[k] += starts[k - 1];
    // The records moved to their groups in place, each swap putting one in
    // its group for good, so that no second array of them is needed.
    std::vector<std::size_t> next(starts.begin(), starts.end() - 1);
    for (std::size_t group = 0; group < GroupCount(); ++group) {
      while (next[group] < starts[group + 1]) {
        const std::size_t at = next[group];
        const std::uint32_t key = keyOfRow[at];
        if (key == group) {
          ++next[group];
          continue;
        }
        const std::size_t to = next[key]++;
        std::swap(records[at], records[to]);
        std::swap(keyOfRow[at], keyOfRow[to]);
      }
    }
  }
};

}  // namespace

std::vector<int> GroupingLevels(std::span<const int> displayOrder, int position) {
  const int levelCount = std::min(kMaxLevels, static_cast<int>(displayOrder.size()) - 1);
  if (position < 1 || position > levelCount) return {};
  std::vector<int> levels;
  for (int k = 0; k < levelCount; ++k) {
    const int column = displayOrder[static_cast<std::size_t>((position - 1 + k) % levelCount + 1)];
    if (column < 0 || column >= kMaxColumns) return {};
    levels.push_back(column);
  }
  return levels;
}

std::vector<int> StoredDisplayOrder(const ColumnDescriptors& columns) {
  std::vector<int> order(static_cast<std::size_t>(ClampColumnCount(columns.count)));
  std::iota(order.begin(), order.end(), 0);
  return order;
}

std::optional<GroupingTree> BuildGroupingTree(const ItemTable& items,
                                              std::span<const int> displayOrder, int position,
                                              const GroupingProgress& progress) {
  const std::vector<int> levels = GroupingLevels(displayOrder, position);
  const int n = items.GetSize();
  if (levels.empty() || n == 0) return std::nullopt;
  const std::size_t levelCount = levels.size();
  GroupingTree tree;
  tree.levels = levels;
  tree.recordOwners = items.PinRecords();
  // At most one node per row and level; pages never written cost nothing.
  const auto rowCount = static_cast<std::size_t>(n);
  ReserveLarge(tree.depths, rowCount * levelCount);
  FirstLevelGroups groups(items, levels[0], progress);
  if (groups.stopped) {
    tree.cancelled = true;
    return tree;
  }
  // The chains' records go over the groups' own, in place: a group's
  // records are read before its chains are written, and no group makes more
  // chains than it has rows.
  std::vector<const char*>& chains = groups.records;
  std::size_t chainCount = 0;

  // Within a group, ordering the rows by their lower levels puts every node's
  // children in sibling order and makes rows that share a node adjacent, so
  // the nodes come out in pre-order in one pass with no searching.
  const std::size_t lower = levelCount - 1;
  const std::span<const int> lowerColumns = std::span(levels).subspan(1);
  const auto lowerLevelsLess = [&](const LowerLevels& a, const LowerLevels& b) {
    for (std::size_t k = 0; k < lower; ++k) {
      const int c = CompareTexts(a.prefixes[k], a.texts[k], b.prefixes[k], b.texts[k]);
      if (c != 0) return c < 0;
    }
    return false;
  };
  // A row's nodes from `fromLevel` down; the group's first row also adds
  // the group's node above them.
  const auto addChain = [&](const char* record, std::size_t fromLevel) {
    for (std::size_t level = fromLevel; level < levelCount; ++level)
      tree.depths.push_back(static_cast<std::uint8_t>(level));
    chains[chainCount++] = record;
  };
  const std::size_t shared = std::min(levelCount, kSharedLevels);
  std::vector<LowerLevels> rows;

  for (std::size_t k = 0; k < groups.GroupCount(); ++k) {
    ++tree.parentCount;
    if (lower == 0) {
      addChain(chains[groups.starts[k]], 0);
    } else {
      rows.clear();
      for (std::size_t r = groups.starts[k]; r < groups.starts[k + 1]; ++r) {
        if (r + kPrefetchDistance < rowCount)
          __builtin_prefetch(groups.records[r + kPrefetchDistance]);
        LowerLevels& row = rows.emplace_back();
        row.record = groups.records[r];
        ItemTable::ColumnTexts(row.record, lowerColumns, std::span(row.texts, lower));
        for (std::size_t level = 0; level < lower; ++level)
          row.prefixes[level] = cp932::OrderPrefix(row.texts[level]);
      }
      // Rows equal at every level give equal nodes, so their order is free.
      std::sort(rows.begin(), rows.end(), lowerLevelsLess);
      addChain(rows[0].record, 0);
      for (std::size_t g = 1; g < rows.size(); ++g) {
        std::size_t level = 1;
        while (level < shared &&
               CompareTexts(rows[g].prefixes[level - 1], rows[g].texts[level - 1],
                            rows[g - 1].prefixes[level - 1], rows[g - 1].texts[level - 1]) == 0)
          ++level;
        // A row that shares all its nodes with the row before adds none.
        if (level < levelCount) addChain(rows[g].record, level);
      }
    }

    const std::size_t end = groups.starts[k + 1];
    if (progress && progress(static_cast<int>(end)) && end < rowCount) {
      tree.cancelled = true;
      break;
    }
  }
  chains.resize(chainCount);
  tree.chainRecords = std::move(chains);
  std::uint32_t started = 0;
  tree.chainsBefore.reserve(tree.NodeCount() / GroupingTree::kBlock + 1);
  for (std::size_t k = 0; k < tree.NodeCount(); ++k) {
    if (k % GroupingTree::kBlock == 0) tree.chainsBefore.push_back(started);
    started += tree.StartsChain(k);
  }
  return tree;
}

std::size_t GroupingTree::SubtreeEnd(std::size_t node) const {
  if (node >= NodeCount()) return NodeCount();
  std::size_t end = node + 1;
  while (end < NodeCount() && depths[end] > depths[node]) ++end;
  return end;
}

std::string_view GroupingTree::Text(std::size_t node) const {
  std::size_t chain = chainsBefore[node / kBlock];
  for (std::size_t k = node / kBlock * kBlock; k <= node; ++k) chain += StartsChain(k);
  const int column[] = {Column(node)};
  std::string_view text;
  ItemTable::ColumnTexts(chainRecords[chain - 1], column, std::span(&text, 1));
  return text;
}

namespace {

// The bytes of a node's line "\t...text\r\n" up to the end of its last
// character that is not white space; 0 for a blank line. A lead byte that
// ends the text takes the "\r" after it as its trail, and that pair is not
// white space. Lines start on a character boundary: no text holds a line
// feed, and the one ending a line is never a trail byte.
std::size_t KeptLength(const GroupingTree& tree, std::size_t node, std::string& line) {
  line.assign(static_cast<std::size_t>(tree.Depth(node)), '\t');
  line += tree.Text(node);
  line += "\r\n";
  std::size_t keep = 0;
  for (std::size_t i = 0; i < line.size();) {
    const std::size_t length = cp932::CharLength(line, i);
    if (length != 1 || !IsSpace(line[i])) keep = i + length;
    i += length;
  }
  return keep;
}

constexpr std::size_t kPieceSize = std::size_t{1} << 20;

// The nodes' texts in tree order, each chain's record read once.
class NodeWalk {
 public:
  explicit NodeWalk(const GroupingTree& tree) : tree_(tree) {}

  // Nodes must be asked for as 0, 1, 2, ...
  std::string_view TextOf(std::size_t node) {
    if (tree_.StartsChain(node)) {
      const std::vector<const char*>& records = tree_.chainRecords;
      if (chain_ + kPrefetchDistance < records.size())
        __builtin_prefetch(records[chain_ + kPrefetchDistance]);
      ItemTable::ColumnTexts(records[chain_++], tree_.levels,
                             std::span(texts_, tree_.levels.size()));
    }
    return texts_[tree_.Depth(node)];
  }

 private:
  const GroupingTree& tree_;
  std::size_t chain_ = 0;
  std::string_view texts_[kMaxLevels];
};

}  // namespace

void WriteTreeText(const GroupingTree& tree, const std::function<void(std::string_view)>& sink) {
  // Trailing white space of the whole text goes: the lines after the last
  // one holding anything else, and the end of that one.
  std::string line;
  std::size_t last = tree.NodeCount();
  std::size_t keep = 0;
  while (last > 0 && keep == 0) keep = KeptLength(tree, --last, line);
  if (keep == 0) return;
  std::string piece;
  piece.reserve(kPieceSize + line.size());
  NodeWalk walk(tree);
  for (std::size_t node = 0; node < last; ++node) {
    piece.append(static_cast<std::size_t>(tree.Depth(node)), '\t');
    piece += walk.TextOf(node);
    piece += "\r\n";
    if (piece.size() >= kPieceSize) {
      sink(piece);
      piece.clear();
    }
  }
  piece.append(line, 0, keep);
  sink(piece);
}

std::string TreeClipboardText(const GroupingTree& tree) {
  std::size_t size = 0;
  NodeWalk walk(tree);
  for (std::size_t node = 0; node < tree.NodeCount(); ++node)
    size += static_cast<std::size_t>(tree.Depth(node)) + walk.TextOf(node).size() + 2;
  std::string text;
  text.reserve(size);
  WriteTreeText(tree, [&](std::string_view piece) { text += piece; });
  return text;
}

}  // namespace listora
