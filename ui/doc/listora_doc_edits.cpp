// The document's edits of rows made directly in the panes: in-place edits
// and pastes, memos, deleting, moving, sorting and the list search. Each
// changes the table through the core as one step of the history and sends
// one hint.

#include <cstdint>
#include <numeric>
#include <string>

#include "core/panes/drag_move.h"
#include "ui/base/messages.h"
#include "ui/base/progress_dialog.h"
#include "ui/base/prompt.h"
#include "ui/doc/listora_doc.h"
#include "ui/text/text_convert.h"

namespace listora {

void ListoraDoc::SetCell(int row, int column, std::string_view text, bool pasted) {
  if (row < 0 || row >= data_.items.GetSize() || column < 1 || column >= data_.ColumnCount())
    return;
  EditStep step(history_, std::string(pasted ? msg::kStepPaste : msg::kStepCell));
  data_.items.SetCell(row, column, text);
  Changed(DocHint::Kind::kTexts, row);
  MarkModified();
}

void ListoraDoc::SetMemo(int row, std::string_view memo) {
  if (row < 0 || row >= data_.items.GetSize()) return;
  // The keys typed into one memo in one visit of the pane are one step.
  EditStep step(history_, std::string(msg::kStepMemo), static_cast<std::uint64_t>(row) + 1);
  data_.items.SetMemo(row, memo);
  data_.items.UpdateIconIndex(row);
  Changed(DocHint::Kind::kMemo, row);
  MarkModified();
}

void ListoraDoc::DeleteRows(std::span<const int> ascendingRows) {
  if (ascendingRows.empty()) return;
  EditStep step(history_, std::string(msg::kStepDelete));
  data_.items.RemoveRows(ascendingRows);
  Changed(DocHint::Kind::kItems);
  MarkModified();
}

// A move is not an edit: the document stays as modified as it was.
bool ListoraDoc::MoveRows(std::span<const int> draggedRows, int dropIndex) {
  EditStep step(history_, std::string(msg::kStepMove));
  const std::optional<std::vector<int>> moved =
      DropDraggedRows(data_.items, draggedRows, dropIndex);
  if (!moved) return false;
  history_.Select(*moved);
  // The moved rows lie together.
  DocHint hint(DocHint::Kind::kItems);
  if (!moved->empty()) hint.Selecting(moved->front(), moved->back());
  Changed(hint);
  return true;
}

// Nor is a sort. One of many rows shows its progress (a smaller one is over
// before a dialog could be read); a cancelled sort changes nothing.
bool ListoraDoc::SortByColumn(int column, SortFlags& directions) {
  constexpr int kRowsShowingProgress = 65536;
  EditStep step(history_, std::string(msg::kStepSort));
  bool sorted = false;
  if (data_.items.GetSize() < kRowsShowingProgress) {
    sorted = ClickColumn(data_.items, data_.settings.columns, directions, column);
  } else {
    ProgressRun progress(Owner());
    progress.Begin(data_.items.GetSize());
    sorted = ClickColumn(data_.items, data_.settings.columns, directions, column,
                         [&progress](long long placed) { return progress.Step(placed); });
  }
  if (!sorted) return false;
  Changed(DocHint::Kind::kItems);
  return true;
}

// Nor the list search, which only sorts the matches to the top.
// The text it remembers is part of its step, unless nothing was found: then
// there is no step and the redo stays.
std::optional<ListSearchResult> ListoraDoc::ListSearch(std::string_view text, bool remember) {
  std::optional<ListSearchResult> result;
  {
    EditStep step(history_, std::string(msg::kStepListSearch));
    result = listora::ListSearch(data_.items, data_.ColumnCount() - 1, text);
    if (!result) return result;
    std::vector<int> found(static_cast<std::size_t>(result->found));
    std::iota(found.begin(), found.end(), 0);
    history_.Select(std::move(found));
    if (remember && result->found > 0) data_.history.insert(data_.history.begin(), result->text);
  }
  if (remember && result->found == 0) data_.history.insert(data_.history.begin(), result->text);
  if (remember) program_->searchHistory = data_.history;
  DocHint hint(DocHint::Kind::kItems, result->found > 0 ? 0 : -1);
  hint.Selecting(0, result->found - 1);
  if (remember) hint.Also(DocHint::Kind::kSearchHistory);
  Changed(hint);
  ThePrompt().Info(Owner(), Utf8(result->message), Utf8(msg::kSearchResultCaption));
  return result;
}

void ListoraDoc::RowsAppended(bool modified) {
  const int count = data_.items.GetSize();
  Changed(DocHint::Kind::kItems, count > 0 ? count - 1 : -1);
  if (modified) MarkModified();
}

}  // namespace listora
