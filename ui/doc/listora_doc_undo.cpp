// Undo and redo of the document's edits: the core's history changes the
// data back or again; the document sets its mark and sends one hint.

#include "ui/doc/listora_doc.h"

namespace listora {

void ListoraDoc::Undo() { ShowStep(history_.Undo()); }

void ListoraDoc::Redo() { ShowStep(history_.Redo()); }

// The hint names everything the step changed; the rows it touched become the
// selection.
void ListoraDoc::ShowStep(const std::optional<StepReport>& report) {
  if (!report) return;
  Modify(history_.Modified());
  if (wxView* view = GetFirstView()) view->OnChangeFilename();
  const std::vector<int>& rows = report->rows;
  DocHint hint(DocHint::Kind::kItems, rows.empty() ? -1 : rows.front());
  // A reordering that names no rows (a sort) keeps the selection.
  if (!rows.empty()) hint.SelectingRows(rows);
  if (report->rowsChanged) hint.Also(DocHint::Kind::kCells);
  if (report->columnsChanged) hint.Also(DocHint::Kind::kColumns);
  if (report->otherSettings) {
    UpdateImageFolder();
    hint.Also(DocHint::Kind::kSettings);
  }
  if (report->historyChanged) {
    program_->searchHistory = data_.history;
    hint.Also(DocHint::Kind::kSearchHistory);
  }
  Changed(hint);
}

}  // namespace listora
