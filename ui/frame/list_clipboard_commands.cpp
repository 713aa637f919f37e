// `ListoraView`'s clipboard commands: copying selected items as text and
// pasting text into the one selected item.

#include "core/panes/list_clipboard.h"
#include "ui/base/command_ids.h"
#include "ui/base/messages.h"
#include "ui/base/prompt.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/listora_view.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/list_clipboard_io.h"
#include "ui/text/text_convert.h"

namespace listora {

void ListoraView::OnCopyAllFields(wxCommandEvent&) {
  ItemListCtrl* list = List();
  if (!list) return;
  const std::vector<int> rows = list->SelectedRows();
  if (rows.empty()) return;
  const Document& data = Doc()->Data();
  PutClipboardText(CopyFieldsText(data.items, rows, data.ColumnCount()));
}

void ListoraView::OnCopyColumn(wxCommandEvent& event) {
  ItemListCtrl* list = List();
  const Document& data = Doc()->Data();
  const int column = event.GetId() - cmd::kCopyColumn1 + 1;
  if (!list || column >= data.ColumnCount()) return;
  const std::vector<int> rows = list->SelectedRows();
  if (rows.empty()) return;
  PutClipboardText(CopyColumnText(data.items, rows, column));
}

int ListoraView::PasteRow() const {
  ItemListCtrl* list = List();
  if (!list || list->GetSelectedItemCount() != 1) return -1;
  return list->Selection().NextSelected(-1);
}

void ListoraView::OnPasteAllFields(wxCommandEvent&) {
  const int row = PasteRow();
  if (row < 0) return;
  const std::optional<std::string> text = TakeClipboardText();
  if (!text) return;
  const int userColumns = Doc()->Data().ColumnCount() - 1;
  if (PasteFieldCountDiffers(*text, userColumns) &&
      !ThePrompt().YesNo(Frame(), Utf8(msg::kPasteCountQuestion)))
    return;
  Doc()->ModifyItem(row, SplitPastedFields(*text, userColumns), nullptr, true);
}

void ListoraView::OnPasteColumn(wxCommandEvent& event) {
  const int column = event.GetId() - cmd::kPasteColumn1 + 1;
  const int row = PasteRow();
  if (row < 0 || column >= Doc()->Data().ColumnCount()) return;
  const std::optional<std::string> text = TakeClipboardText();
  if (!text) return;
  Doc()->SetCell(row, column, *text, true);
}

}  // namespace listora
