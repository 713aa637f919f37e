#pragma once
// The values the settings dialog edits. Most pages exist twice: the default
// set lives in the settings file (for new documents and the next start),
// the document set in the open document's settings record. The start-up
// page and the protection options have only a default set.

#include <cstdint>
#include <string>

#include "core/doc/document_settings.h"

namespace listora {

class SettingsFile;

struct PaneStyle {
  std::uint32_t background = 0;  // COLORREF 0x00BBGGRR
  std::uint32_t text = 0;
  std::int32_t fontSize = 90;  // tenths of a point
  std::string fontName;        // CP932
};

struct SettingsSet {
  PaneStyle list, tree, text;
  std::int32_t userColumns = 4;  // 1..10, the list page's "列数"
  std::uint32_t imageBackground = 0;
  std::int32_t imageFit = 1;  // 0 actual size, 1 fit to the pane
  bool mainToolBar = true, statusBar = true, treeToolBar = true;
  bool columnIcons = true, treeIcons = true;
  bool showList = true, showTree = true, showText = true, showImage = true;
  std::int32_t split1 = 7000, split2 = 7000, split3 = 6000;  // hundredths of a percent
  std::int32_t imagePathMode = 0;
  std::string imageSubPath;  // CP932
  bool copyImages = true;
};

struct StartupSettings {
  std::int32_t mode = 0;  // 0 maximised, 1 as at the last exit, 2 as given
  std::int32_t left = 0, top = 0, width = 800, height = 600;
};

// How documents are saved: `Main`/`Pass` asks for a password at every save,
// `Main`/`Ango` enciphers without one.
struct ProtectionSettings {
  bool password = false;  // `Main`/`Pass`
  bool encrypt = false;   // `Main`/`Ango`
};

// Which bars the main window is created with (`Main`/`MainTool`,
// `MainStat`, `TreeTool`); each document's display block then rules.
struct StartBars {
  bool toolBar = true;
  bool statusBar = true;
  bool treeToolBar = true;
};

SettingsSet ReadDefaultSet(const SettingsFile& profile);
StartupSettings ReadStartupSettings(const SettingsFile& profile);
ProtectionSettings ReadProtectionSettings(const SettingsFile& profile);
StartBars ReadStartBars(const SettingsFile& profile);

// Writes every key of the default set (the bar choices also under `Main`),
// the start-up mode (and the position and size only in mode 2) and the
// protection options. False when the file could not be written.
bool WriteDefaults(SettingsFile& profile, const SettingsSet& set, const StartupSettings& startup,
                   const ProtectionSettings& protection);

// The document set of a settings record, and its copy back into one. The
// pane visibility and split positions come from the screen, so the caller
// fills them in.
SettingsSet DocumentSet(const DocumentSettings& settings);
void ApplyDocumentSet(const SettingsSet& set, DocumentSettings& settings);

// The password option always comes with encryption: ticking "パスワードを
// 設定する" ticks "暗号化する", and encryption cannot be unticked under it.
ProtectionSettings AfterProtectionClick(ProtectionSettings clicked);

}  // namespace listora
