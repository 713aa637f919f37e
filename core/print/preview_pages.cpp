#include "core/print/preview_pages.h"

#include "core/base/settings_file.h"

namespace listora {

namespace {
constexpr const char* kSection = "Settings";
constexpr const char* kKey = "PreviewPages";
}  // namespace

std::int32_t ReadPreviewPages(const SettingsFile& settingsFile) {
  const std::int32_t pages = settingsFile.GetInt(kSection, kKey, 0);
  return pages == 1 || pages == 2 ? pages : 0;
}

bool SavePreviewPages(SettingsFile& settingsFile, std::int32_t pages) {
  if (pages == 0) return true;
  return settingsFile.WriteInt(kSection, kKey, pages);
}

}  // namespace listora
