#pragma once
// The recent-file list of the File menu: five entries, kept in the settings
// file under `Recent File List`/File1..File5 (File1 the newest).

class wxFileHistory;

namespace listora {

class SettingsFile;

inline constexpr int kRecentFileCount = 5;

void LoadRecentFiles(const SettingsFile& settingsFile, wxFileHistory& history);
void SaveRecentFiles(const wxFileHistory& history, SettingsFile& settingsFile);

}  // namespace listora
