#pragma once
// The list search as the search box and the tree pane run it: the matching
// items move to the top of the list and become the selection, the list,
// the count labels and the panes that follow the focused item catch up, and
// the result message is shown.

#include <optional>
#include <string_view>

#include "core/tools/list_search.h"

namespace listora {

class CListoraDoc;

// Nothing happens (nullopt) for an empty table or text, or without a list.
std::optional<ListSearchResult> RunListSearch(CListoraDoc& doc, std::string_view text);

}  // namespace listora
