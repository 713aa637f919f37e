#include "core/app/window_placement.h"

#include <algorithm>

#include "core/base/settings_file.h"

namespace listora {

WindowPlacement ReadWindowPlacement(const SettingsFile& profile) {
  WindowPlacement placement;
  const std::int32_t mode = profile.GetInt("Main", "SizeMax", 0);
  if (mode == 0) return placement;
  // Any non-zero mode opens the window at the stored rectangle.
  placement.mode = mode == 2 ? StartMode::kGiven : StartMode::kLastExit;
  const auto read = [&](const char* key, std::int32_t fallback, std::int32_t least) {
    return std::clamp(profile.GetInt("Main", key, fallback), least, kMaxWindowExtent);
  };
  placement.rect.left = read("SizeLeft", 0, -kMaxWindowExtent);
  placement.rect.top = read("SizeTop", 0, -kMaxWindowExtent);
  placement.rect.width = read("SizeWidth", 800, kMinWindowWidth);
  placement.rect.height = read("SizeHeight", 600, kMinWindowHeight);
  return placement;
}

bool IsReachable(const WindowRect& rect, std::span<const WindowRect> screens) {
  // In 64 bits: stored values near the limits must not wrap into view.
  const auto overlap = [](std::int64_t start, std::int64_t size, std::int64_t screenStart,
                          std::int64_t screenSize) {
    return std::min(start + size, screenStart + screenSize) - std::max(start, screenStart);
  };
  for (const WindowRect& screen : screens) {
    if (overlap(rect.left, rect.width, screen.left, screen.width) >= kReachableWidth &&
        overlap(rect.top, rect.height, screen.top, screen.height) >= kReachableHeight)
      return true;
  }
  return false;
}

WindowRect ReachableRect(const WindowRect& rect, std::span<const WindowRect> screens,
                         const WindowRect& primary) {
  if (IsReachable(rect, screens)) return rect;
  WindowRect centred;
  centred.width = std::min(std::max(centred.width, kMinWindowWidth), primary.width);
  centred.height = std::min(std::max(centred.height, kMinWindowHeight), primary.height);
  centred.left = primary.left + (primary.width - centred.width) / 2;
  centred.top = primary.top + (primary.height - centred.height) / 2;
  return centred;
}

bool StoreWindowPlacementAtExit(SettingsFile& profile, const WindowRect& restored,
                                std::span<const WindowRect> screens) {
  if (profile.GetInt("Main", "SizeMax", 1) != 1 || !IsReachable(restored, screens)) return true;
  return profile.WriteInt("Main", "SizeLeft", restored.left) &&
         profile.WriteInt("Main", "SizeTop", restored.top) &&
         profile.WriteInt("Main", "SizeWidth", restored.width) &&
         profile.WriteInt("Main", "SizeHeight", restored.height);
}

}  // namespace listora
