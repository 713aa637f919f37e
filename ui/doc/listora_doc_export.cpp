// The export commands: the whole item table written as text, HTML or CSV.
// The document itself is not changed.

#include <filesystem>

#include "core/app/file_io.h"
#include "core/doc/export.h"
#include "ui/app/command_ids.h"
#include "ui/app/listora_app.h"
#include "ui/app/messages.h"
#include "ui/app/prompt.h"
#include "ui/app/save_chooser.h"
#include "ui/app/text_convert.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/views/item_list_ctrl.h"

namespace listora {

namespace {

ExportFormat FormatOf(int command) {
  if (command == cmd::kExportHtml) return ExportFormat::kHtml;
  if (command == cmd::kExportCsv) return ExportFormat::kCsv;
  return ExportFormat::kText;
}

wxString ExportWildcard(ExportFormat format) {
  switch (format) {
    case ExportFormat::kHtml: return Utf8(msg::kHtmlFilter);
    case ExportFormat::kCsv: return Utf8(msg::kCsvFilter);
    case ExportFormat::kText: break;
  }
  return Utf8(msg::kTextFilter);
}

}  // namespace

void CListoraDoc::OnExport(wxCommandEvent& event) {
  CItemListCtrl* list = TheApp().Panes().list;
  if (!list || list->GetItemCount() == 0) return;
  wxWindow* owner = TheApp().MainFrame();
  const ExportFormat format = FormatOf(event.GetId());
  const std::string title = TextFromWx(GetUserReadableName());

  const wxString path =
      ChooseSavePath(owner, Utf8(msg::kSaveAsTitle), ToWx(ProposeExportName(title, format)),
                     ExportWildcard(format), Utf8(ExportExtension(format)));
  if (path.empty()) return;

  // Widths as the user left them on screen, not as last stored.
  ColumnDescriptors columns = data_.settings.columns;
  list->CaptureColumnWidths(columns);
  std::string bytes;
  switch (format) {
    case ExportFormat::kText: bytes = ExportText(columns, data_.items); break;
    case ExportFormat::kCsv: bytes = ExportCsv(columns, data_.items); break;
    case ExportFormat::kHtml:
      bytes =
          ExportHtml(columns, data_.settings.styles.pane[ViewStyles::kList], data_.items, title);
      break;
  }
  FileError error;
  if (!WriteFileAtomically(std::filesystem::path(path.utf8_string()), bytes, &error))
    ThePrompt().Error(owner, Utf8(error.what));
}

}  // namespace listora
