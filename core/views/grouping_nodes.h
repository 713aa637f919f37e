#pragma once
// Parts of a grouping tree that the tree view's commands work on: what a
// copy of a scrolled tree takes, and the nodes that expand and collapse
// open or close.

#include <cstddef>
#include <vector>

#include "core/views/grouping.h"

namespace listora {

// Node `first`, its following siblings and their descendants, in order,
// with depths counted from `first`'s level (so `first` is a parent item of
// the result). Empty when `first` is past the last node.
GroupingTree SiblingsFrom(const GroupingTree& tree, std::size_t first);

// Node `start` and the nodes one and two levels below it, in tree order
// (each child directly followed by its own children). Nodes deeper than
// that are left alone. Empty when `start` is past the last node.
std::vector<std::size_t> NodesToOpenOrClose(const GroupingTree& tree, std::size_t start);

}  // namespace listora
