#include "ui/app/listora_app.h"

#include <wx/docview.h>
#include <wx/stdpaths.h>

#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/app/command_line.h"
#include "core/base/normal_path.h"
#include "core/print/preview_pages.h"
#include "ui/app/command_scope.h"
#include "ui/app/command_table.h"
#include "ui/app/listora_doc_manager.h"
#include "ui/app/listora_doc_template.h"
#include "ui/app/path_insertion.h"
#include "ui/base/held_input.h"
#include "ui/base/program_language.h"
#include "ui/base/recent_files.h"
#include "ui/base/text_undo.h"
#include "ui/base/tool_tip_delay.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"

namespace listora {

ListoraApp& TheApp() { return *static_cast<ListoraApp*>(wxTheApp); }

ListoraApp::ListoraApp() {
  // Before the toolkit opens the display. The program draws nothing with
  // OpenGL, yet to choose its visuals the toolkit would load the system's
  // GL driver, which without a graphics card is a software renderer with a
  // compiler behind it: about 50 MiB of resident memory, half of all the
  // program takes with no document open. A value the user set is kept.
  setenv("GDK_GL", "disable", 0);
}

bool ListoraApp::OnInit() {
  // wxApp::OnInit is not called: its option parsing would take "-D" for
  // itself.
  // Past the file-size limit a write then fails with "File too large" and
  // the save reports it, instead of the signal ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  SetAppName("Listora");
  SetAppDisplayName("Listora");

  const std::filesystem::path exeDir =
      std::filesystem::path(wxStandardPaths::Get().GetExecutablePath().utf8_string()).parent_path();
  UseProgramLanguage(DesktopLanguage(), exeDir);
  std::error_code ignored;
  // Paths on the command line are relative to where the program was
  // started, not to the executable's folder it moves to.
  const std::filesystem::path startDir = std::filesystem::current_path(ignored);
  std::filesystem::current_path(exeDir, ignored);
  settingsFile_.emplace(WritableSettingsFilePath(exeDir));
  program_.emplace(*settingsFile_, exeDir);
  program_->ReadAttributeSkipMask();
  program_->previewPages = ReadPreviewPages(*settingsFile_);
  UseToolTipDelay();
  FollowModalDialogs();
  UseTextUndo();

  docManager_ = new ListoraDocManager;
  docManager_->Initialize();
  docManager_->SetMaxDocsOpen(1);
  LoadRecentFiles(*settingsFile_, *docManager_->GetFileHistory());

  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(argv[i].utf8_string());
  StartRequest request = ParseCommandLine(args);
  const auto fromStartDir = [&startDir](std::string& path) {
    if (!path.empty()) path = (startDir / path).string();
  };
  // The document's path is shown and remembered, so it is made plain.
  if (!request.document.empty())
    request.document = NormalFilePath(startDir / request.document).string();
  for (std::string& path : request.paths) fromStartDir(path);
  if (request.kind == StartRequest::Kind::kInsert) {
    commandLineInsert_ = true;
    insertPaths_ = request.paths;
  }

  InstallCommands(ProgramCommands(), ProgramSubmenus());
  frame_ = new MainFrame(docManager_, *program_);
  commands_.emplace(CommandScope{wxWeakRef<MainFrame>(frame_.get()), *docManager_, *program_});
  BindCommands(ProgramCommands(), *commands_);
  SetTopWindow(frame_);
  new ListoraDocTemplate(docManager_, *program_, *frame_);

  // A document that cannot be opened leaves a new, empty one (the document
  // reports why), so start-up goes on either way.
  wxDocument* doc = docManager_->CreateStartDocument(request.kind == StartRequest::Kind::kOpen
                                                         ? wxString::FromUTF8(request.document)
                                                         : wxString());
  if (!doc) return false;
  // After the new document's initial update, so the modified mark stays.
  RunCommandLineInsertion(*static_cast<ListoraDoc*>(doc));

  frame_->ShowAtStoredPlace();
  return true;
}

int ListoraApp::OnExit() {
  if (docManager_) {
    SaveRecentFiles(*docManager_->GetFileHistory(), *settingsFile_);
    SavePreviewPages(*settingsFile_, program_->previewPages);
    delete docManager_;
    docManager_ = nullptr;
  }
  return wxApp::OnExit();
}

}  // namespace listora
