#pragma once
// "元に戻す" and "やり直し": the focused text field's own undo and redo while
// it has a step to take, else the open document's. Greyed when neither has;
// the status-bar prompt names the document's step.

class wxCommandEvent;
class wxUpdateUIEvent;

namespace listora {

struct CommandScope;

void UndoOrRedo(CommandScope& scope, wxCommandEvent& event);
void UpdateUndoOrRedo(CommandScope& scope, wxUpdateUIEvent& event);

}  // namespace listora
