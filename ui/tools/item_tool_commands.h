#pragma once
// The item tools' commands: entry, column settings, automatic insertion,
// duplicate search, find and replace. The list view carries them, so they
// reach the open document and its list.

#include <functional>

#include "ui/tools/tool_context.h"

class wxEvtHandler;

namespace listora {

void BindItemToolCommands(wxEvtHandler& handler, std::function<ToolContext()> context);

}  // namespace listora
