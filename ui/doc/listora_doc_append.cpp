// Append-open: the items of further document files added after the open
// document's items. The document keeps its path, columns and settings.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "core/base/messages.h"
#include "core/doc/append_open.h"
#include "ui/base/messages.h"
#include "ui/base/progress_dialog.h"
#include "ui/base/prompt.h"
#include "ui/doc/listora_doc.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

// A refused password closes the progress dialog for the rest of the run.
void ShowRefusal(wxWindow* owner, const AppendMessage& message, ProgressRun& progress) {
  if (message.caption == msg::kAppTitle) {
    ThePrompt().FileFormatError(owner, Utf8(message.text));
    return;
  }
  progress.Close();
  ThePrompt().Error(owner, Utf8(message.text));
}

}  // namespace

void ListoraDoc::AppendDocuments(const std::vector<std::filesystem::path>& files) {
  EditStep step(history_, std::string(msg::kStepAppendOpen));
  const int before = data_.items.GetSize();
  {
    // One dialog for the whole run, its bar restarted for each file.
    ProgressRun progress(Owner());
    AppendCallbacks callbacks;
    callbacks.askPassword = [this](const std::filesystem::path&) {
      return PasswordFromWx(ThePrompt().AskPassword(Owner()));
    };
    callbacks.begin = [&progress](const std::filesystem::path&, std::uint32_t total) {
      progress.Begin(total);
    };
    callbacks.step = [&progress](int done) { return progress.Step(done); };
    callbacks.refused = [this, &progress](const AppendMessage& message) {
      ShowRefusal(Owner(), message, progress);
    };
    AppendOpen(files, data_.ColumnCount(), callbacks, data_.items);
  }

  // Whatever was appended, the run ends with the counts and the last item
  // in view; only an item appended marks the document (and makes a step).
  RowsAppended(data_.items.GetSize() != before);
}

}  // namespace listora
