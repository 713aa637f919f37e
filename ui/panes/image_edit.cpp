#include "ui/panes/image_edit.h"

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/mimetype.h>
#include <wx/utils.h>

#include <memory>

namespace listora {

namespace {

struct TypeCommands {
  wxString edit;
  wxString open;
};

TypeCommands CommandsFor(const wxString& file) {
  TypeCommands commands;
  const wxString extension = wxFileName(file).GetExt();
  if (extension.empty()) return commands;
  // The type database is read from the desktop's files; what it cannot
  // parse is no concern of the user's.
  wxLogNull quiet;
  const std::unique_ptr<wxFileType> type(
      wxTheMimeTypesManager->GetFileTypeFromExtension(extension));
  if (!type) return commands;
  wxString mimeType;
  type->GetMimeType(&mimeType);
  const wxFileType::MessageParameters parameters(file, mimeType);
  commands.edit = type->GetExpandedCommand("edit", parameters);
  type->GetOpenCommand(&commands.open, parameters);
  return commands;
}

EditorLaunch Run(const wxString& command) {
  return wxExecute(command, wxEXEC_ASYNC) != 0 ? EditorLaunch::kStarted : EditorLaunch::kFailed;
}

}  // namespace

EditorLaunch LaunchImageEditor(const wxString& file) {
  const TypeCommands commands = CommandsFor(file);
  if (!commands.edit.empty()) return Run(commands.edit);

  wxPathList path;
  path.AddEnvList("PATH");
  const wxString opener = path.FindAbsoluteValidPath("xdg-open");
  if (!opener.empty()) {
    // An argument vector, so no character of the file name needs quoting.
    const wchar_t* const argv[] = {opener.wc_str(), file.wc_str(), nullptr};
    return wxExecute(argv, wxEXEC_ASYNC) != 0 ? EditorLaunch::kStarted : EditorLaunch::kFailed;
  }
  if (!commands.open.empty()) return Run(commands.open);
  return EditorLaunch::kNoApplication;
}

}  // namespace listora
