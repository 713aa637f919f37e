#include "ui/base/recent_files.h"

#include <wx/filehistory.h>

#include <string>

#include "core/base/settings_file.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {
constexpr const char* kSection = "Recent File List";

std::string Key(int n) { return "File" + std::to_string(n); }
}  // namespace

void LoadRecentFiles(const SettingsFile& settingsFile, wxFileHistory& history) {
  // Each addition goes on top, so the oldest entry is added first.
  for (int n = kRecentFileCount; n >= 1; --n) {
    const std::string file = settingsFile.GetString(kSection, Key(n), "");
    if (!file.empty()) history.AddFileToHistory(ToWx(file));
  }
}

void SaveRecentFiles(const wxFileHistory& history, SettingsFile& settingsFile) {
  for (int n = 1; n <= kRecentFileCount; ++n) {
    const size_t index = static_cast<size_t>(n - 1);
    const wxString file = index < history.GetCount() ? history.GetHistoryFile(index) : wxString();
    settingsFile.WriteString(kSection, Key(n), PathFromWx(file));
  }
}

}  // namespace listora
