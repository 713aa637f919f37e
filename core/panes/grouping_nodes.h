#pragma once
// The part of a grouping tree that the tree view's expand and collapse
// commands open or close.

#include <cstddef>
#include <vector>

#include "core/panes/grouping.h"

namespace listora {

// Node `start` and the nodes one and two levels below it, in tree order
// (each child directly followed by its own children). Nodes deeper than
// that are left alone. Empty when `start` is past the last node.
std::vector<std::size_t> NodesToOpenOrClose(const GroupingTree& tree, std::size_t start);

}  // namespace listora
