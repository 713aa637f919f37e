#include "ui/app/undo_commands.h"

#include <wx/event.h>
#include <wx/menu.h>
#include <wx/textentry.h>

#include "ui/app/command_scope.h"
#include "ui/base/command_help.h"
#include "ui/base/command_ids.h"
#include "ui/base/focused_text_edit.h"
#include "ui/base/messages.h"
#include "ui/doc/listora_doc.h"
#include "ui/text/text_convert.h"

namespace listora {

void UndoOrRedo(CommandScope& scope, wxCommandEvent& event) {
  if (FocusedTextEntry()) {
    EditFocusedText(event);
    return;
  }
  ListoraDoc* doc = scope.Doc();
  if (!doc) return;
  if (event.GetId() == cmd::kUndo)
    doc->Undo();
  else
    doc->Redo();
}

void UpdateUndoOrRedo(CommandScope& scope, wxUpdateUIEvent& event) {
  const bool undo = event.GetId() == cmd::kUndo;
  wxString prompt = HelpFor(event.GetId()).prompt;
  if (const wxTextEntry* entry = FocusedTextEntry()) {
    event.Enable(undo ? entry->CanUndo() : entry->CanRedo());
  } else {
    const ListoraDoc* doc = scope.Doc();
    const EditHistory* history = doc ? &doc->History() : nullptr;
    const bool can = history && (undo ? history->CanUndo() : history->CanRedo());
    event.Enable(can);
    if (can) {
      const std::string_view name = undo ? history->UndoName() : history->RedoName();
      prompt =
          wxString::Format(Utf8(undo ? msg::kUndoStepFormat : msg::kRedoStepFormat), Utf8(name));
    }
  }
  // A menu shows its entry's help in the status bar.
  if (auto* menu = dynamic_cast<wxMenu*>(event.GetEventObject()))
    if (wxMenuItem* item = menu->FindItem(event.GetId())) item->SetHelp(prompt);
}

}  // namespace listora
