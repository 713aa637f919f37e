#include "core/app/window_placement.h"

#include <algorithm>
#include <string>

#include "core/base/settings_file.h"

namespace listora {

namespace {

constexpr std::string_view kSection = "Main";
constexpr std::string_view kMode = "SizeMax";
constexpr std::string_view kLeft = "SizeLeft";
constexpr std::string_view kTop = "SizeTop";
constexpr std::string_view kWidth = "SizeWidth";
constexpr std::string_view kHeight = "SizeHeight";

// The stored rectangle, each key missing taken from the default window.
WindowRect StoredRect(const SettingsFile& settingsFile) {
  const WindowRect fallback;
  return {settingsFile.GetInt(kSection, kLeft, fallback.left),
          settingsFile.GetInt(kSection, kTop, fallback.top),
          settingsFile.GetInt(kSection, kWidth, fallback.width),
          settingsFile.GetInt(kSection, kHeight, fallback.height)};
}

}  // namespace

WindowPlacement ReadWindowPlacement(const SettingsFile& settingsFile) {
  WindowPlacement placement;
  const std::int32_t mode = settingsFile.GetInt(kSection, kMode, 0);
  if (mode == 0) return placement;
  // Any non-zero mode opens the window at the stored rectangle.
  placement.mode = mode == 2 ? StartMode::kGiven : StartMode::kLastExit;
  const WindowRect stored = StoredRect(settingsFile);
  const auto held = [](std::int32_t value, std::int32_t least) {
    return std::clamp(value, least, kMaxWindowExtent);
  };
  placement.rect.left = held(stored.left, -kMaxWindowExtent);
  placement.rect.top = held(stored.top, -kMaxWindowExtent);
  placement.rect.width = held(stored.width, kMinWindowWidth);
  placement.rect.height = held(stored.height, kMinWindowHeight);
  return placement;
}

StartupSettings ReadStartupSettings(const SettingsFile& settingsFile) {
  StartupSettings startup;
  const std::int32_t mode = settingsFile.GetInt(kSection, kMode, 0);
  startup.mode = mode >= 0 && mode <= 2 ? mode : 0;
  static_cast<WindowRect&>(startup) = StoredRect(settingsFile);
  return startup;
}

std::vector<SettingsFileEntry> StartupEntries(const StartupSettings& startup) {
  std::vector<SettingsFileEntry> entries = {{kMode, std::to_string(startup.mode)}};
  if (startup.mode == static_cast<std::int32_t>(StartMode::kGiven)) {
    entries.push_back({kLeft, std::to_string(startup.left)});
    entries.push_back({kTop, std::to_string(startup.top)});
    entries.push_back({kWidth, std::to_string(startup.width)});
    entries.push_back({kHeight, std::to_string(startup.height)});
  }
  return entries;
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

bool StoreWindowPlacementAtExit(SettingsFile& settingsFile, const WindowRect& restored,
                                std::span<const WindowRect> screens) {
  if (settingsFile.GetInt(kSection, kMode, 1) != 1 || !IsReachable(restored, screens)) return true;
  return settingsFile.WriteInt(kSection, kLeft, restored.left) &&
         settingsFile.WriteInt(kSection, kTop, restored.top) &&
         settingsFile.WriteInt(kSection, kWidth, restored.width) &&
         settingsFile.WriteInt(kSection, kHeight, restored.height);
}

}  // namespace listora
