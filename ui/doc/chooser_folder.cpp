#include "ui/doc/chooser_folder.h"

#include <wx/docview.h>
#include <wx/stdpaths.h>

#include <filesystem>

#include "ui/doc/program_state.h"

namespace listora {

wxString ChooserFolder(const wxDocument* open, const ProgramState& program) {
  if (open) {
    const std::filesystem::path file = open->GetFilename().utf8_string();
    if (file.is_absolute()) return wxString::FromUTF8(file.parent_path().string());
  }
  if (!program.chosenFolder.empty()) return wxString::FromUTF8(program.chosenFolder.string());
  return wxStandardPaths::Get().GetDocumentsDir();
}

void RememberChosenFile(const wxString& chosen, ProgramState& program) {
  if (chosen.empty()) return;
  program.chosenFolder = std::filesystem::path(chosen.utf8_string()).parent_path();
}

}  // namespace listora
