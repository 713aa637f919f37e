// Import of CSV and tab-separated text: the records read by the import
// command become this document's items, as one step of the undo history.

#include "core/doc/table_import.h"
#include "ui/base/messages.h"
#include "ui/doc/listora_doc.h"

namespace listora {

void ListoraDoc::ImportTable(const ImportedTable& table, bool newDocument) {
  // The step is named as the command is.
  EditStep step(history_, std::string(msg::kImportTitle));
  if (!newDocument) {
    table.AppendTo(data_.items);
    RowsAppended(true);
    return;
  }
  SetImportedColumns(table, data_.settings.columns);
  displayOrder_.clear();
  table.AppendTo(data_.items);
  const int count = data_.items.GetSize();
  Changed(DocHint(DocHint::Kind::kColumns, count > 0 ? count - 1 : -1).Also(DocHint::Kind::kItems));
  MarkModified();
}

}  // namespace listora
