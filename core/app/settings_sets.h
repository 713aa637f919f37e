#pragma once
// The values the settings dialog edits. Most pages exist twice: the default
// set lives in the settings file (for new documents and the next start),
// the document set in the open document's settings record
// (core/doc/document_set.h). The start-up page (core/app/window_placement.h)
// and the protection options (core/doc/protection_settings.h) have only a
// default set.

#include "core/app/window_placement.h"
#include "core/doc/document_set.h"
#include "core/doc/protection_settings.h"

namespace listora {

class SettingsFile;

// Which bars the main window is created with (`Main`/`MainTool`,
// `MainStat`, `TreeTool`); each document's display block then rules.
struct StartBars {
  bool toolBar = true;
  bool statusBar = true;
  bool treeToolBar = true;
};

SettingsSet ReadDefaultSet(const SettingsFile& settingsFile);
StartBars ReadStartBars(const SettingsFile& settingsFile);

// Writes every key of the default set (the bar choices also under `Main`),
// the start-up mode (and the position and size only in mode 2) and the
// protection options. False when the file could not be written.
bool WriteDefaults(SettingsFile& settingsFile, const SettingsSet& set,
                   const StartupSettings& startup, const ProtectionSettings& protection);

}  // namespace listora
