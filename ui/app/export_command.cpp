#include "ui/app/export_command.h"

#include <wx/filename.h>

#include <filesystem>

#include "core/base/file_io.h"
#include "core/base/messages.h"
#include "core/doc/export.h"
#include "core/doc/xlsx_export.h"
#include "ui/app/command_scope.h"
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
  if (command == cmd::kExportXlsx) return ExportFormat::kXlsx;
  return ExportFormat::kText;
}

// The chooser's file types: code page 932 first, as exports always were,
// then UTF-8.
wxString ExportWildcard(ExportFormat format) {
  const auto types = [](std::string_view cp932, std::string_view utf8) {
    return Utf8(cp932) + "|" + Utf8(utf8);
  };
  switch (format) {
    case ExportFormat::kHtml: return types(msg::kHtmlFilter, msg::kHtmlUtf8Filter);
    case ExportFormat::kCsv: return types(msg::kCsvFilter, msg::kCsvUtf8Filter);
    case ExportFormat::kXlsx: return Utf8(msg::kXlsxFilter);
    case ExportFormat::kText: break;
  }
  return types(msg::kTextFilter, msg::kTextUtf8Filter);
}

}  // namespace

void RunExport(CommandScope& scope, wxCommandEvent& event) {
  const ListoraDoc* doc = scope.Doc();
  if (!doc) return;
  const Document& data = doc->Data();
  if (data.items.GetSize() == 0) return;
  wxWindow* owner = scope.frame.get();
  const ExportFormat format = FormatOf(event.GetId());
  // Refused before the user picks a file for it.
  if (format == ExportFormat::kXlsx && !FitsSheet(data.items.GetSize())) {
    ThePrompt().Error(owner, Utf8(msg::kXlsxTooManyRows));
    return;
  }
  const std::string title = TextFromWx(doc->GetUserReadableName());

  const wxFileName proposed(ChooserFolder(doc, scope.program),
                            ToWx(ProposeExportName(title, format)));
  int fileType = 0;
  const wxString path =
      ChooseSavePath(owner, Utf8(msg::kSaveAsTitle), proposed.GetFullPath(), ExportWildcard(format),
                     Utf8(ExportExtension(format)), &fileType);
  if (path.empty()) return;
  RememberChosenFile(path, scope.program);
  const std::filesystem::path target(path.utf8_string());

  // The document keeps the widths as the user left them on screen.
  const ColumnDescriptors& columns = data.settings.columns;
  FileError error;
  if (format == ExportFormat::kXlsx) {
    if (!ExportXlsx(target, columns, data.items, title, &error, SpecialTarget::kRefuse))
      ThePrompt().Error(owner, Utf8(error.what));
    return;
  }
  const ExportEncoding encoding = fileType == 1 ? ExportEncoding::kUtf8 : ExportEncoding::kCp932;
  std::string bytes;
  switch (format) {
    case ExportFormat::kText: bytes = ExportText(columns, data.items, encoding); break;
    case ExportFormat::kCsv: bytes = ExportCsv(columns, data.items, encoding); break;
    case ExportFormat::kHtml:
      bytes = ExportHtml(columns, data.settings.styles.pane[PaneStyles::kList], data.items, title,
                         encoding);
      break;
    case ExportFormat::kXlsx: break;
  }
  if (!WriteFileAtomically(target, bytes, &error, SpecialTarget::kRefuse))
    ThePrompt().Error(owner, Utf8(error.what));
}

}  // namespace listora
