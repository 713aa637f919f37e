#pragma once
// The table of commands: every command of the program with its texts, its
// places in the menus and tool bars, keys, handler and enabling rule, and
// the menus themselves. A new command is one entry there and one handler
// (with its ID in ui/base/command_ids.h).

#include <span>

#include "ui/base/command.h"

namespace listora {

std::span<const Command> ProgramCommands();
std::span<const SubmenuPlace> ProgramSubmenus();

}  // namespace listora
