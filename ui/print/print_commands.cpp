#include "ui/print/print_commands.h"

#include <wx/frame.h>

#include "core/print/layout_settings.h"
#include "ui/app/command_ids.h"
#include "ui/app/listora_app.h"
#include "ui/app/messages.h"
#include "ui/app/prompt.h"
#include "ui/app/text_convert.h"
#include "ui/doc/listora_doc.h"
#include "ui/print/print_layout_dlg.h"
#include "ui/print/table_printout.h"
#include "ui/views/item_list_ctrl.h"

namespace listora {

PrintSource ScreenPrintSource(const CListoraDoc& doc, const CItemListCtrl* list) {
  PrintSource source;
  const Document& data = doc.Data();
  source.data = &data;
  source.layout = TheApp().PrintSettings();
  const int columns = data.ColumnCount();
  for (int c = 1; c < columns; ++c) {
    const bool shown = list && c < list->GetColumnCount();
    source.listWidths.push_back(shown ? list->GetColumnWidth(c) : data.settings.columns.widths[c]);
  }
  source.screenDigitWidth = list ? list->GetTextExtent("0").GetWidth() : 0;
  source.title = TextFromWx(doc.GetUserReadableName());
  return source;
}

void BindPrintCommands(wxFrame& frame) {
  frame.Bind(
      wxEVT_MENU,
      [&frame](wxCommandEvent&) {
        PrintLayoutDialog dialog(&frame, TheApp().PrintSettings());
        if (dialog.ShowModal() != wxID_OK) return;
        TheApp().PrintSettings() = dialog.Layout();
        if (!WritePrintLayout(TheApp().Settings(), dialog.Layout())) {
          ThePrompt().Error(&frame, Utf8(msg::kCannotWriteSettings));
        }
      },
      cmd::kPrintLayout);
}

}  // namespace listora
