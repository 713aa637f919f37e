#pragma once
// The string table's command texts: for each command a status-bar prompt
// and a short tool-tip text.

#include <wx/string.h>

namespace listora {

struct CommandHelp {
  wxString prompt;  // shown in the status bar
  wxString tip;     // tool-tip of the tool-bar button; may be empty
};

// Empty texts for a command the table has no entry for.
CommandHelp HelpFor(int id);

}  // namespace listora
