#pragma once
// The list search of the main window's search box: the items that contain
// the text in any user column (bytes as typed, matched on character
// boundaries) move to the top of the table in their former order and
// become the selection.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/doc/item_table.h"

namespace listora {

// The search box hands over at most this many bytes.
inline constexpr std::size_t kListSearchMaxBytes = 259;

struct ListSearchResult {
  // The CP932 text searched for, cut to kListSearchMaxBytes at a character
  // boundary; it becomes the first entry of the search box's history.
  std::string text;
  // Matching items, now rows 0..found-1: the rows to select.
  int found = 0;
  // UTF-8 text of the result message box (caption msg::kSearchResultCaption).
  std::string message;
};

// nullopt when nothing happens: an empty table or an empty text.
std::optional<ListSearchResult> ListSearch(ItemTable& items, int userColumns,
                                           std::string_view text);

// The result message for `text` (CP932) and the number found.
std::string ListSearchMessage(std::string_view text, int found);

}  // namespace listora
