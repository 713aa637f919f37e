#include "ui/app/undo_commands.h"

#include <wx/event.h>
#include <wx/menu.h>

#include "ui/app/command_scope.h"
#include "ui/base/command_help.h"
#include "ui/base/command_ids.h"
#include "ui/base/messages.h"
#include "ui/base/text_undo.h"
#include "ui/doc/listora_doc.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

// The focused text field's history when it has a step to take.
TextUndo* FieldTaking(bool undo) {
  TextUndo* text = FocusedTextUndo();
  return text && (undo ? text->CanUndo() : text->CanRedo()) ? text : nullptr;
}

}  // namespace

void UndoOrRedo(CommandScope& scope, wxCommandEvent& event) {
  const bool undo = event.GetId() == cmd::kUndo;
  if (TextUndo* text = FieldTaking(undo)) {
    if (undo)
      text->Undo();
    else
      text->Redo();
    return;
  }
  ListoraDoc* doc = scope.Doc();
  if (!doc) return;
  if (undo)
    doc->Undo();
  else
    doc->Redo();
}

void UpdateUndoOrRedo(CommandScope& scope, wxUpdateUIEvent& event) {
  const bool undo = event.GetId() == cmd::kUndo;
  wxString prompt = HelpFor(event.GetId()).prompt;
  if (FieldTaking(undo)) {
    event.Enable(true);
  } else {
    ListoraDoc* doc = scope.Doc();
    if (doc && undo && doc->TakeHistoryDropped() && scope.frame)
      scope.frame->SetStatusText(Utf8(msg::kOldestStepsDropped));
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
