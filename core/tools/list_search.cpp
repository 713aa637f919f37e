#include "core/tools/list_search.h"

#include <algorithm>

#include "core/base/message_format.h"
#include "core/base/messages.h"
#include "core/text/encoding.h"
#include "core/tools/cell_matcher.h"

namespace listora {

std::optional<ListSearchResult> ListSearch(ItemTable& items, int userColumns,
                                           std::string_view text) {
  text = text.substr(0, TextPrefixLength(text, kListSearchMaxBytes));
  if (items.IsEmpty() || text.empty()) return std::nullopt;

  const int columns = std::clamp(userColumns, 0, kMaxColumns - 1);
  const CellMatcher matcher(text, true);
  const int count = items.GetSize();
  for (int row = 0; row < count; ++row) {
    bool match = false;
    for (int column = 1; column <= columns && !match; ++column) {
      match = matcher.Matches(items.Cell(row, column));
    }
    items.SetMark(row, match);
  }

  ListSearchResult result;
  result.text = std::string(text);
  result.found = items.MoveMarkedToTop();
  // The mark only lives while the search runs.
  for (int row = 0; row < result.found; ++row) items.SetMark(row, false);
  result.message = ListSearchMessage(text, result.found);
  return result;
}

std::string ListSearchMessage(std::string_view text, int found) {
  const std::string quoted = "\"" + Cp932ToUtf8(text) + "\"";
  if (found == 0) return FormatMessage(msg::kListSearchNotFound, quoted.c_str());
  return FormatMessage(msg::kListSearchFound.For(static_cast<unsigned long>(found)), quoted.c_str(),
                       found);
}

}  // namespace listora
