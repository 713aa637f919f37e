#pragma once
// `ListoraApp`: starts the program (settings file, document type, command
// line, main window) and holds what the whole process shares: the settings
// file and the program-wide settings.

#include <wx/app.h>
#include <wx/weakref.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

#include "core/base/settings_file.h"
#include "ui/app/command_scope.h"
#include "ui/doc/program_state.h"
#include "ui/frame/main_frame.h"

namespace listora {

class ListoraDocManager;

class ListoraApp : public wxApp {
 public:
  ListoraApp();
  bool OnInit() override;
  int OnExit() override;

  // What the process shares, handed on to each document and the frame.
  ProgramState& Program() { return *program_; }
  const std::filesystem::path& ExecutableDir() const { return program_->executableDir; }
  ListoraDocManager* DocManager() { return docManager_; }
  // The main window; null once it has gone.
  MainFrame* Frame() { return frame_.get(); }

  // Set by "-D" at start-up, consumed once by the command-line insertion.
  bool& CommandLineInsertFlag() { return commandLineInsert_; }
  std::vector<std::string>& CommandLineInsertPaths() { return insertPaths_; }

 private:
  std::optional<SettingsFile> settingsFile_;
  std::optional<ProgramState> program_;
  ListoraDocManager* docManager_ = nullptr;
  wxWeakRef<MainFrame> frame_;
  // What the commands of the table work on, from the main window on.
  std::optional<CommandScope> commands_;
  bool commandLineInsert_ = false;
  std::vector<std::string> insertPaths_;
};

ListoraApp& TheApp();

}  // namespace listora
