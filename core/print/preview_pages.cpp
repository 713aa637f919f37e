#include "core/print/preview_pages.h"

#include "core/base/profile.h"

namespace listora {

namespace {
constexpr const char* kSection = "Settings";
constexpr const char* kKey = "PreviewPages";
}  // namespace

std::int32_t ReadPreviewPages(const Profile& profile) {
  const std::int32_t pages = profile.GetInt(kSection, kKey, 0);
  return pages == 1 || pages == 2 ? pages : 0;
}

bool SavePreviewPages(Profile& profile, std::int32_t pages) {
  if (pages == 0) return true;
  return profile.WriteInt(kSection, kKey, pages);
}

}  // namespace listora
