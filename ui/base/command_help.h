#pragma once
// A command's status-bar prompt and tool-tip text from its entry in the
// table of commands.

#include <wx/string.h>

namespace listora {

struct CommandHelp {
  wxString prompt;  // shown in the status bar
  wxString tip;     // tool-tip of the tool-bar button; may be empty
};

// Empty texts for a command the table has no entry for.
CommandHelp HelpFor(int id);

}  // namespace listora
