#pragma once
// How documents are saved, as the settings file's `Main` section keeps it:
// `Pass` asks for a password at every save, `Ango` enciphers without one.
// Read and written here only.

#include <vector>

#include "core/base/settings_file.h"

namespace listora {

struct ProtectionSettings {
  bool password = false;  // `Main`/`Pass`
  bool encrypt = false;   // `Main`/`Ango`
};

ProtectionSettings ReadProtectionSettings(const SettingsFile& settingsFile);
// The `Main` entries that store `protection`.
std::vector<SettingsFileEntry> ProtectionEntries(const ProtectionSettings& protection);

// The password option always comes with encryption: ticking "パスワードを
// 設定する" ticks "暗号化する", and encryption cannot be unticked under it.
ProtectionSettings AfterProtectionClick(ProtectionSettings clicked);

}  // namespace listora
