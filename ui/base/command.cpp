#include "ui/base/command.h"

#include <algorithm>

namespace listora {

namespace {
std::span<const Command> installed;
std::span<const SubmenuPlace> installedSubmenus;
}  // namespace

void InstallCommands(std::span<const Command> commands, std::span<const SubmenuPlace> submenus) {
  installed = commands;
  installedSubmenus = submenus;
}

std::span<const Command> TheCommands() { return installed; }

std::span<const SubmenuPlace> TheSubmenus() { return installedSubmenus; }

const Command* FindCommand(int id) {
  const auto found = std::find_if(installed.begin(), installed.end(), [id](const Command& c) {
    return c.id == id || (c.lastId != 0 && id >= c.id && id <= c.lastId);
  });
  return found == installed.end() ? nullptr : &*found;
}

}  // namespace listora
