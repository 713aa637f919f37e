#include "ui/app/table_import_command.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/base/file_io.h"
#include "core/doc/import_messages.h"
#include "core/doc/table_import.h"
#include "core/text/text_file.h"
#include "ui/app/command_scope.h"
#include "ui/app/listora_doc_manager.h"
#include "ui/base/messages.h"
#include "ui/base/progress_dialog.h"
#include "ui/base/prompt.h"
#include "ui/doc/chooser_folder.h"
#include "ui/doc/listora_doc.h"
#include "ui/text/text_convert.h"
#include "ui/tools/table_import_dialog.h"

namespace listora {

namespace {

// Files from this size on show a progress while they are read.
constexpr std::uintmax_t kLargeImportBytes = 8 << 20;

}  // namespace

void RunTableImport(CommandScope& scope, wxCommandEvent&) {
  wxWindow* owner = scope.frame.get();
  ListoraDoc* open = scope.Doc();
  if (!open) return;
  const wxString chosen = ThePrompt().OpenFile(
      owner, Utf8(msg::kImportTitle), Utf8(msg::kImportFilter), ChooserFolder(open, scope.program));
  RememberChosenFile(chosen, scope.program);
  if (chosen.empty()) return;
  const std::filesystem::path file(chosen.utf8_string());
  FileError error;
  std::optional<std::string> bytes;
  DecodedText text;
  {
    // A large file takes a while to read and decode: the bar shows the two
    // halves of that. A small one has no run, so none is started in vain.
    std::error_code ignored;
    std::optional<ProgressRun> progress;
    if (std::filesystem::file_size(file, ignored) >= kLargeImportBytes) {
      progress.emplace(owner);
      progress->Begin(2);
    }
    bytes = ReadFileBytes(file, &error);
    if (!bytes) {
      progress.reset();
      ThePrompt().Error(owner, Utf8(error.what));
      return;
    }
    if (progress && progress->Step(1)) return;
    text = DecodeTextFile(*bytes, RememberedImportEncoding(scope.program.settingsFile));
    if (progress && progress->Step(2)) return;
  }
  TableImportDialog dialog(owner, std::move(*bytes), std::move(text), file, open->Data(),
                           scope.program.settingsFile);
  if (dialog.ShowModal() != wxID_OK) return;
  const bool append = dialog.Append();

  ImportOptions options = dialog.Options();
  ImportedTable table;
  {
    // The bar appears only once the file proves long, in KiB so a file
    // past 2 GiB still fits it.
    ProgressRun progress(owner);
    bool shown = false;
    options.step = [&](std::size_t done, std::size_t total) {
      if (!shown) progress.Begin(static_cast<long long>(total / 1024));
      shown = true;
      return progress.Step(static_cast<long long>(done / 1024));
    };
    table = ImportRecords(dialog.Text().cp932, options);
  }
  if (table.status == ImportStatus::kCancelled) return;
  if (table.status == ImportStatus::kUnterminatedQuote) {
    ThePrompt().Error(owner, Utf8(ImportOpenQuoteMessage(table.errorLine)));
    return;
  }
  if (table.status == ImportStatus::kStrayQuote) {
    ThePrompt().Error(owner, Utf8(ImportStrayQuoteMessage(table.errorLine, table.closingLine)));
    return;
  }
  ListoraDoc* target = open;
  if (!append) {
    // Asks first whether to save the open document; a cancel there keeps it.
    target = dynamic_cast<ListoraDoc*>(scope.docs.CreateDocument(wxString(), wxDOC_NEW));
    if (!target) return;
  }
  target->ImportTable(table, !append);
  if (table.leftOut > 0)
    ThePrompt().Info(owner, Utf8(ImportFieldsLeftOutMessage(table.leftOut)),
                     Utf8(msg::kImportTitle));
}

}  // namespace listora
