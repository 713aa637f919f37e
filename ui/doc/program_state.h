#pragma once
// `ProgramState`: what the whole process shares beyond one document: the
// settings file and the program-wide settings read from it. The application
// owns the one instance and hands it to each document, so the document,
// panes and dialogs reach it without reaching up to the application.

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/base/settings_file.h"
#include "core/tools/auto_insert_settings.h"

namespace listora {

struct ProgramState {
  ProgramState(SettingsFile& file, std::filesystem::path programDir)
      : settingsFile(file), executableDir(std::move(programDir)) {}

  // Derives the skip mask again from the settings file's "Attribute" section.
  void ReadAttributeSkipMask() { attributeSkipMask = listora::ReadAttributeSkipMask(settingsFile); }

  SettingsFile& settingsFile;
  // The program's folder; relative image folders are taken from it.
  std::filesystem::path executableDir;
  // Which file attributes insertion skips.
  std::uint32_t attributeSkipMask = 0;
  // How many pages the print preview shows: read at start-up, set by the
  // preview, kept at exit once known (0 until then).
  std::int32_t previewPages = 0;
  // The search box's entries as the open document holds them (CP932, top
  // first): a new document takes them as its history.
  std::vector<std::string> searchHistory;
  // The folder of the document or export file chosen last in this run, where
  // the next chooser for a document never saved starts.
  std::filesystem::path chosenFolder;
};

}  // namespace listora
