#pragma once
// The tree pane's context menu ("TREE" of menu 132).

#include <memory>

class wxMenu;

namespace listora {

std::unique_ptr<wxMenu> MakeTreeMenu();

}  // namespace listora
