// The document's edits of rows made directly in the panes: in-place edits
// and pastes, memos, deleting, moving, sorting and the list search. Each
// changes the table through the core and sends one hint.

#include <wx/app.h>

#include "core/panes/drag_move.h"
#include "ui/base/messages.h"
#include "ui/base/prompt.h"
#include "ui/doc/listora_doc.h"
#include "ui/text/text_convert.h"

namespace listora {

void ListoraDoc::SetCell(int row, int column, std::string_view text) {
  if (row < 0 || row >= data_.items.GetSize() || column < 1 || column >= data_.ColumnCount())
    return;
  data_.items.SetCell(row, column, text);
  Changed(DocHint::Kind::kTexts, row);
  MarkModified();
}

void ListoraDoc::SetMemo(int row, std::string_view memo) {
  if (row < 0 || row >= data_.items.GetSize()) return;
  data_.items.SetMemo(row, memo);
  data_.items.UpdateIconIndex(row);
  Changed(DocHint::Kind::kMemo, row);
  MarkModified();
}

void ListoraDoc::DeleteRows(std::span<const int> ascendingRows) {
  if (ascendingRows.empty()) return;
  data_.items.RemoveRows(ascendingRows);
  Changed(DocHint::Kind::kItems);
  MarkModified();
}

// A move is not an edit: the document stays as modified as it was.
bool ListoraDoc::MoveRows(std::span<const int> draggedRows, int dropIndex) {
  const std::optional<std::vector<int>> moved =
      DropDraggedRows(data_.items, draggedRows, dropIndex);
  if (!moved) return false;
  // The moved rows lie together.
  DocHint hint(DocHint::Kind::kItems);
  if (!moved->empty()) hint.Selecting(moved->front(), moved->back());
  Changed(hint);
  return true;
}

// Nor is a sort.
bool ListoraDoc::SortByColumn(int column, SortFlags& directions) {
  if (!ClickColumn(data_.items, data_.settings.columns, directions, column)) return false;
  Changed(DocHint::Kind::kItems);
  return true;
}

// Nor the list search, which only sorts the matches to the top.
std::optional<ListSearchResult> ListoraDoc::ListSearch(std::string_view text) {
  std::optional<ListSearchResult> result =
      listora::ListSearch(data_.items, data_.ColumnCount() - 1, text);
  if (!result) return result;
  Changed(
      DocHint(DocHint::Kind::kItems, result->found > 0 ? 0 : -1).Selecting(0, result->found - 1));
  ThePrompt().Info(Owner(), Utf8(result->message), Utf8(msg::kSearchResultCaption));
  return result;
}

void ListoraDoc::RowsAppended(bool modified) {
  const int count = data_.items.GetSize();
  Changed(DocHint::Kind::kItems, count > 0 ? count - 1 : -1);
  if (modified) MarkModified();
}

}  // namespace listora
