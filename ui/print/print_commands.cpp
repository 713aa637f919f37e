#include "ui/print/print_commands.h"

#include "core/print/print_layout.h"
#include "ui/base/messages.h"
#include "ui/base/prompt.h"
#include "ui/doc/listora_doc.h"
#include "ui/doc/program_state.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/print/print_layout_dialog.h"
#include "ui/print/table_printout.h"
#include "ui/text/text_convert.h"

namespace listora {

PrintSource ScreenPrintSource(const ListoraDoc& doc, const ItemListCtrl* list) {
  PrintSource source;
  const Document& data = doc.Data();
  source.data = &data;
  source.layout = doc.GetPrintLayout();
  const int columns = data.ColumnCount();
  for (int c = 1; c < columns; ++c) {
    const bool shown = list && c < list->GetColumnCount();
    source.listWidths.push_back(shown ? list->GetColumnWidth(c) : data.settings.columns.widths[c]);
  }
  source.screenDigitWidth = list ? list->GetTextExtent("0").GetWidth() : 0;
  source.title = TextFromWx(doc.GetUserReadableName());
  return source;
}

void EditPrintLayout(wxWindow* owner, ListoraDoc& doc) {
  PrintLayoutDialog dialog(owner, doc.GetPrintLayout());
  if (dialog.ShowModal() != wxID_OK) return;
  doc.SetPrintLayout(dialog.Layout());
  if (!WritePrintLayout(doc.Program().settingsFile, dialog.Layout())) {
    ThePrompt().Error(owner, Utf8(msg::kCannotWriteSettings));
  }
}

}  // namespace listora
