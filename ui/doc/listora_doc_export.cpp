// The export commands: the whole item table written as text, HTML or CSV.
// The document itself is not changed.

#include <wx/app.h>
#include <wx/filename.h>

#include <filesystem>

#include "core/base/file_io.h"
#include "core/doc/export.h"
#include "ui/base/command_ids.h"
#include "ui/base/messages.h"
#include "ui/base/prompt.h"
#include "ui/base/save_chooser.h"
#include "ui/doc/chooser_folder.h"
#include "ui/doc/listora_doc.h"
#include "ui/text/text_convert.h"

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

void ListoraDoc::OnExport(wxCommandEvent& event) {
  if (data_.items.GetSize() == 0) return;
  wxWindow* owner = Owner();
  const ExportFormat format = FormatOf(event.GetId());
  const std::string title = TextFromWx(GetUserReadableName());

  const wxFileName proposed(ChooserFolder(this, Program()), ToWx(ProposeExportName(title, format)));
  const wxString path = ChooseSavePath(owner, Utf8(msg::kSaveAsTitle), proposed.GetFullPath(),
                                       ExportWildcard(format), Utf8(ExportExtension(format)));
  if (path.empty()) return;
  RememberChosenFile(path, Program());

  // The document keeps the widths as the user left them on screen.
  const ColumnDescriptors& columns = data_.settings.columns;
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
  if (!WriteFileAtomically(std::filesystem::path(path.utf8_string()), bytes, &error,
                           SpecialTarget::kRefuse))
    ThePrompt().Error(owner, Utf8(error.what));
}

}  // namespace listora
