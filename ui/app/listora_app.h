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
#include "core/app/settings.h"
#include "core/doc/document_settings.h"

namespace listora {

class CListoraDocManager;
class CMainFrame;

class CListoraApp : public wxApp {
 public:
  CListoraApp();
  bool OnInit() override;
  int OnExit() override;

  Profile& Settings() { return *profile_; }
  const std::filesystem::path& ExecutableDir() const { return exeDir_; }
  CListoraDocManager* DocManager() { return docManager_; }
  CMainFrame* MainFrame() { return frame_; }
  // The main frame registers itself when it is created and when it goes.
  void SetMainFrame(CMainFrame* frame) { frame_ = frame; }

  // Program-wide settings.
  std::uint32_t AttributeSkipMask() const { return attributeSkipMask_; }
  // The print layout: read at start-up and for every new document, changed
  // by the print layout dialog.
  PrintLayout& PrintSettings() { return printLayout_; }
  // How many pages the print preview shows: read at start-up, set by the
  // preview, kept at exit once known (0 until then).
  std::int32_t& PreviewPages() { return previewPages_; }
  // Derives the mask again from the settings file's "Attribute" section.
  void ReadAttributeSkipMask();
  // Where image files are copied and looked up (empty: stored paths are
  // used as they are).
  std::filesystem::path& ImageFolder() { return imageFolder_; }
  // Set by "-D" at start-up, consumed once by the command-line insertion.
  bool& CommandLineInsertFlag() { return commandLineInsert_; }
  std::vector<std::string>& CommandLineInsertPaths() { return insertPaths_; }

 private:
  std::filesystem::path exeDir_;
  std::optional<Profile> profile_;
  CListoraDocManager* docManager_ = nullptr;
  CMainFrame* frame_ = nullptr;
  std::uint32_t attributeSkipMask_ = 0;
  PrintLayout printLayout_;
  std::int32_t previewPages_ = 0;
  std::filesystem::path imageFolder_;
  bool commandLineInsert_ = false;
  std::vector<std::string> insertPaths_;
};

CListoraApp& TheApp();

}  // namespace listora
