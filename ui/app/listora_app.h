#pragma once
// `CListoraApp`: starts the program (settings file, document type, command
// line, main window) and holds what the whole process shares: the settings
// file and the program-wide settings.

#include <wx/app.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

#include "core/app/profile.h"
#include "ui/doc/program_state.h"

namespace listora {

class CListoraDocManager;
class CMainFrame;

class CListoraApp : public wxApp {
 public:
  CListoraApp();
  bool OnInit() override;
  int OnExit() override;

  // What the process shares, handed on to each document and the frame.
  ProgramState& Program() { return *program_; }
  Profile& Settings() { return *profile_; }
  const std::filesystem::path& ExecutableDir() const { return program_->executableDir; }
  CListoraDocManager* DocManager() { return docManager_; }
  CMainFrame* MainFrame() { return frame_; }
  // The main frame registers itself when it is created and when it goes.
  void SetMainFrame(CMainFrame* frame) { frame_ = frame; }

  // Set by "-D" at start-up, consumed once by the command-line insertion.
  bool& CommandLineInsertFlag() { return commandLineInsert_; }
  std::vector<std::string>& CommandLineInsertPaths() { return insertPaths_; }

 private:
  std::optional<Profile> profile_;
  std::optional<ProgramState> program_;
  CListoraDocManager* docManager_ = nullptr;
  CMainFrame* frame_ = nullptr;
  bool commandLineInsert_ = false;
  std::vector<std::string> insertPaths_;
};

CListoraApp& TheApp();

}  // namespace listora
