#include "ui/app/append_open_command.h"

#include <filesystem>
#include <vector>

#include "ui/app/command_scope.h"
#include "ui/base/messages.h"
#include "ui/base/prompt.h"
#include "ui/doc/chooser_folder.h"
#include "ui/doc/listora_doc.h"
#include "ui/text/text_convert.h"

namespace listora {

void RunAppendOpen(CommandScope& scope, wxCommandEvent&) {
  ListoraDoc* doc = scope.Doc();
  if (!doc) return;
  const wxArrayString chosen =
      ThePrompt().OpenFiles(scope.frame.get(), Utf8(msg::kOpenTitle), DocumentWildcard(),
                            ChooserFolder(doc, scope.program));
  if (chosen.empty()) return;
  RememberChosenFile(chosen[0], scope.program);
  std::vector<std::filesystem::path> files;
  for (const wxString& file : chosen) files.emplace_back(file.utf8_string());
  doc->AppendDocuments(files);
}

}  // namespace listora
