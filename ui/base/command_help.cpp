#include "ui/base/command_help.h"

#include "ui/base/command.h"
#include "ui/text/text_convert.h"

namespace listora {

CommandHelp HelpFor(int id) {
  const Command* command = FindCommand(id);
  if (!command) return {};
  return {Utf8(command->prompt), Utf8(command->tip)};
}

}  // namespace listora
