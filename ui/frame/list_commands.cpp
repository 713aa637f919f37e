#include "ui/frame/list_commands.h"

#include "core/panes/list_clipboard.h"
#include "ui/base/command_ids.h"
#include "ui/base/messages.h"
#include "ui/base/prompt.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/frame/search_box.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/list_clipboard_io.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

// The one selected row a paste writes to, -1 unless exactly one is.
int PasteRow(const ItemListCtrl& list) {
  if (list.GetSelectedItemCount() != 1) return -1;
  return list.Selection().NextSelected(-1);
}

}  // namespace

void SelectAllRows(const ListTarget& target, int) { target.list.SelectAllRows(); }

void InvertSelection(const ListTarget& target, int) { target.list.InvertSelection(); }

void DeleteSelectedRows(const ListTarget& target, int) {
  ItemListCtrl& list = target.list;
  const std::vector<int> rows = list.SelectedRows();
  if (rows.empty()) return;
  if (!ThePrompt().YesNo(&target.frame, Utf8(msg::kDeleteSelectedQuestion))) return;
  list.ClearSelection();
  target.doc.DeleteRows(rows);
}

void ShowRowOfMove(const ListTarget& target, int id) {
  ItemListCtrl& list = target.list;
  if (list.GetItemCount() == 0) return;
  const int count = list.GetItemCount();
  const int row = id == cmd::kMoveFirst ? 0 : id == cmd::kMoveMiddle ? count / 2 : count - 1;
  list.EnsureVisible(row);
}

void SearchList(const ListTarget& target, int) {
  target.doc.ListSearch(TextFromWx(target.frame.SearchField()->GetValue()), true);
}

void CopyAllFields(const ListTarget& target, int) {
  const std::vector<int> rows = target.list.SelectedRows();
  if (rows.empty()) return;
  const Document& data = target.doc.Data();
  PutClipboardText(CopyFieldsText(data.items, rows, data.ColumnCount()));
}

void CopyColumn(const ListTarget& target, int id) {
  const Document& data = target.doc.Data();
  const int column = id - cmd::kCopyColumn1 + 1;
  if (column >= data.ColumnCount()) return;
  const std::vector<int> rows = target.list.SelectedRows();
  if (rows.empty()) return;
  PutClipboardText(CopyColumnText(data.items, rows, column));
}

void PasteAllFields(const ListTarget& target, int) {
  const int row = PasteRow(target.list);
  if (row < 0) return;
  const std::optional<std::string> text = TakeClipboardText();
  if (!text) return;
  const int userColumns = target.doc.Data().ColumnCount() - 1;
  if (PasteFieldCountDiffers(*text, userColumns) &&
      !ThePrompt().YesNo(&target.frame, Utf8(msg::kPasteCountQuestion)))
    return;
  target.doc.ModifyItem(row, SplitPastedFields(*text, userColumns), nullptr, true);
}

void PasteColumn(const ListTarget& target, int id) {
  const int column = id - cmd::kPasteColumn1 + 1;
  const int row = PasteRow(target.list);
  if (row < 0 || column >= target.doc.Data().ColumnCount()) return;
  const std::optional<std::string> text = TakeClipboardText();
  if (!text) return;
  target.doc.SetCell(row, column, *text, true);
}

}  // namespace listora
