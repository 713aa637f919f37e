#pragma once
// The four panes of the main window, as the document's pane layout keeps
// whether each is shown.

namespace listora {

enum class PaneId { kList, kTree, kText, kImage };

}  // namespace listora
