// Undo and redo of the document's edits: the core's history changes the
// data back or again; the document sets its mark and sends one hint.

#include "ui/doc/listora_doc.h"

namespace listora {

void ListoraDoc::Undo() { ShowStep(history_.Undo()); }

void ListoraDoc::Redo() { ShowStep(history_.Redo()); }

void ListoraDoc::ShowStep(const std::optional<StepReport>& report) {
  if (!report) return;
  Modify(history_.Modified());
  if (wxView* view = GetFirstView()) view->OnChangeFilename();
  // Settings beyond the columns are taken as a new document takes them.
  if (report->otherSettings) {
    Changed(DocHint::Kind::kNewDocument);
    return;
  }
  if (report->columnsChanged) {
    Changed(DocHint::Kind::kColumns);
    return;
  }
  const std::vector<int>& rows = report->rows;
  DocHint hint(DocHint::Kind::kItems, rows.empty() ? -1 : rows.front());
  // A reordering that names no rows (a sort) keeps the selection.
  if (!rows.empty()) hint.SelectingRows(rows);
  Changed(hint);
}

}  // namespace listora
