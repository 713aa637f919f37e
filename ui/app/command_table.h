#pragma once
// The table of commands: every command of the program with its texts, keys,
// handler and enabling rule. A new command is one entry there and one
// handler (with its ID in ui/base/command_ids.h).

#include <span>

#include "ui/base/command.h"

namespace listora {

std::span<const Command> ProgramCommands();

}  // namespace listora
