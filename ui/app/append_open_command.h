#pragma once
// Command "追加で開く": further document files chosen, their items added
// after the open document's.

class wxCommandEvent;

namespace listora {

struct CommandScope;

void RunAppendOpen(CommandScope& scope, wxCommandEvent& event);

}  // namespace listora
