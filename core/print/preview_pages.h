#pragma once
// How many pages the print preview shows side by side, kept in the settings
// file as `Settings`/`PreviewPages`: read at start-up, written at exit once
// a preview has set it. The table's preview shows one page at a time.

#include <cstdint>

namespace listora {

class SettingsFile;

inline constexpr std::int32_t kTablePreviewPages = 1;

// 0 (not known yet) for a missing key and for anything but 1 or 2 pages.
std::int32_t ReadPreviewPages(const SettingsFile& settingsFile);

// Writes a known count; 0 leaves the file as it is. False when the file
// could not be written.
bool SavePreviewPages(SettingsFile& settingsFile, std::int32_t pages);

}  // namespace listora
