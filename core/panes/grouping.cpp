#include "core/panes/grouping.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/doc/columns.h"
#include "core/text/cp932.h"

namespace listora {
namespace {

inline constexpr int kMaxLevels = 4;
// Levels whose nodes are shared by rows with equal texts; below them every
// row gets a node of its own.
inline constexpr std::size_t kSharedLevels = 3;

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Texts equal under cp932::MbsCompare are byte-identical.
bool SameText(std::string_view a, std::string_view b) { return a == b; }

// The texts of the level columns of every row, copied once so that building
// never reads the live table again (a progress callback may change it),
// with their order prefixes (cp932::OrderPrefix) for the comparisons.
class LevelTexts {
 public:
  LevelTexts(const ItemTable& items, const std::vector<int>& levels)
      : levelCount_(levels.size()), texts_(std::make_shared<std::string>()) {
    const auto rows = static_cast<std::size_t>(items.GetSize());
    std::size_t size = 0;
    for (std::size_t row = 0; row < rows; ++row) {
      for (const int column : levels) size += items.Cell(static_cast<int>(row), column).size();
    }
    texts_->reserve(size);
    offsets_.reserve(rows * levelCount_ + 1);
    prefixes_.reserve(rows * levelCount_);
    for (std::size_t row = 0; row < rows; ++row) {
      for (const int column : levels) {
        const std::string_view text = items.Cell(static_cast<int>(row), column);
        offsets_.push_back(texts_->size());
        prefixes_.push_back(cp932::OrderPrefix(text));
        *texts_ += text;
      }
    }
    offsets_.push_back(texts_->size());
  }

  std::shared_ptr<const std::string> Storage() const { return texts_; }

  std::string_view At(int row, std::size_t level) const {
    const std::size_t k = static_cast<std::size_t>(row) * levelCount_ + level;
    return std::string_view(*texts_).substr(offsets_[k], offsets_[k + 1] - offsets_[k]);
  }

  bool Same(int a, int b, std::size_t level) const {
    return Prefix(a, level) == Prefix(b, level) && SameText(At(a, level), At(b, level));
  }

  // cp932::MbsCompare of two rows' texts at one level.
  int Compare(int a, int b, std::size_t level) const {
    const std::uint64_t pa = Prefix(a, level), pb = Prefix(b, level);
    if (pa != pb) return pa < pb ? -1 : 1;
    const std::string_view ta = At(a, level), tb = At(b, level);
    return ta == tb ? 0 : cp932::MbsCompare(ta, tb);
  }

 private:
  std::uint64_t Prefix(int row, std::size_t level) const {
    return prefixes_[static_cast<std::size_t>(row) * levelCount_ + level];
  }

  std::size_t levelCount_;
  std::shared_ptr<std::string> texts_;
  std::vector<std::size_t> offsets_;
  std::vector<std::uint64_t> prefixes_;
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
  const LevelTexts texts(items, levels);

  // The parent items: every distinct text of the first level once, in code
  // order, each with its rows (ascending) behind it.
  const auto rowCount = static_cast<std::size_t>(n);
  std::unordered_map<std::string_view, int> keyIndex;
  std::vector<int> firstRowOfKey;
  std::vector<int> keyOfRow(rowCount);  // the key's index, then its place
  for (int row = 0; row < n; ++row) {
    const auto [it, added] =
        keyIndex.try_emplace(texts.At(row, 0), static_cast<int>(firstRowOfKey.size()));
    if (added) firstRowOfKey.push_back(row);
    keyOfRow[static_cast<std::size_t>(row)] = it->second;
  }
  std::vector<int> keyOrder(firstRowOfKey.size());
  std::iota(keyOrder.begin(), keyOrder.end(), 0);
  std::sort(keyOrder.begin(), keyOrder.end(), [&](int a, int b) {
    return texts.Compare(firstRowOfKey[static_cast<std::size_t>(a)],
                         firstRowOfKey[static_cast<std::size_t>(b)], 0) < 0;
  });
  // Counting sort of the rows by their key's place in that order.
  std::vector<int> placeOfKey(keyOrder.size());
  for (std::size_t k = 0; k < keyOrder.size(); ++k)
    placeOfKey[static_cast<std::size_t>(keyOrder[k])] = static_cast<int>(k);
  std::vector<std::size_t> groupStart(keyOrder.size() + 1, 0);
  for (int& key : keyOfRow) {
    key = placeOfKey[static_cast<std::size_t>(key)];
    ++groupStart[static_cast<std::size_t>(key) + 1];
  }
  for (std::size_t k = 1; k < groupStart.size(); ++k) groupStart[k] += groupStart[k - 1];
  std::vector<int> grouped(rowCount);
  std::vector<std::size_t> next(groupStart.begin(), groupStart.end() - 1);
  for (int row = 0; row < n; ++row)
    grouped[next[static_cast<std::size_t>(keyOfRow[static_cast<std::size_t>(row)])]++] = row;

  // Within a group, ordering the rows by their lower levels puts every node's
  // children in sibling order and makes rows that share a node adjacent, so
  // the nodes come out in pre-order in one pass with no searching.
  const auto lowerLevelsLess = [&](int a, int b) {
    for (std::size_t level = 1; level < levelCount; ++level) {
      const int c = texts.Compare(a, b, level);
      if (c != 0) return c < 0;
    }
    return false;
  };
  GroupingTree tree;
  tree.texts = texts.Storage();
  // At most one node per row and level; pages never written cost nothing.
  tree.nodes.reserve(static_cast<std::size_t>(n) * levelCount);
  const auto addChain = [&](int row, std::size_t fromLevel) {
    for (std::size_t level = fromLevel; level < levelCount; ++level) {
      tree.nodes.push_back({texts.At(row, level), levels[level], static_cast<int>(level)});
    }
  };
  const std::size_t shared = std::min(levelCount, kSharedLevels);

  for (std::size_t k = 0; k + 1 < groupStart.size(); ++k) {
    const auto first = grouped.begin() + static_cast<std::ptrdiff_t>(groupStart[k]);
    const auto last = grouped.begin() + static_cast<std::ptrdiff_t>(groupStart[k + 1]);
    // Rows equal at every level give equal nodes, so their order is free.
    std::sort(first, last, lowerLevelsLess);

    tree.nodes.push_back({texts.At(*first, 0), levels[0], 0});
    ++tree.parentCount;
    addChain(*first, 1);
    for (auto g = first + 1; g != last; ++g) {
      std::size_t level = 1;
      while (level < shared && texts.Same(*g, *(g - 1), level)) ++level;
      addChain(*g, level);
    }

    const std::size_t end = groupStart[k + 1];
    if (progress && progress(static_cast<int>(end)) && end < rowCount) {
      tree.cancelled = true;
      break;
    }
  }
  return tree;
}

std::string TreeClipboardText(const GroupingTree& tree) {
  std::size_t size = 0;
  for (const TreeNode& node : tree.nodes)
    size += static_cast<std::size_t>(node.depth) + node.text.size() + 2;
  std::string text;
  text.reserve(size);
  for (const TreeNode& node : tree.nodes) {
    text.append(static_cast<std::size_t>(node.depth), '\t');
    text += node.text;
    text += "\r\n";
  }
  // Trimmed character by character: a lead byte that ends a node's text takes
  // the next byte as its trail, and that pair is not white space. Every line
  // starts on a character boundary (no text holds a line feed, and the one
  // ending a line is never a trail byte), so only the last lines are read,
  // last first, until one holds more than white space.
  std::size_t keep = 0;
  for (std::size_t end = text.size(); end > 0 && keep == 0;) {
    const std::size_t feed = end >= 2 ? text.rfind('\n', end - 2) : std::string::npos;
    const std::size_t start = feed == std::string::npos ? 0 : feed + 1;
    for (std::size_t i = start; i < end;) {
      const std::size_t length = cp932::CharLength(text, i);
      if (length != 1 || !IsSpace(text[i])) keep = i + length;
      i += length;
    }
    end = start;
  }
  text.resize(keep);
  return text;
}

}  // namespace listora
