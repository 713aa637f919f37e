#include "core/app/window_placement.h"

#include <algorithm>

#include "core/app/profile.h"

namespace listora {

WindowPlacement ReadWindowPlacement(const Profile& profile) {
  WindowPlacement placement;
  const std::int32_t mode = profile.GetInt("Main", "SizeMax", 0);
  if (mode == 0) return placement;
  // Any non-zero mode opens the window at the stored rectangle.
  placement.mode = mode == 2 ? StartMode::kGiven : StartMode::kLastExit;
  placement.rect.left = profile.GetInt("Main", "SizeLeft", 0);
  placement.rect.top = profile.GetInt("Main", "SizeTop", 0);
  placement.rect.width = std::max(profile.GetInt("Main", "SizeWidth", 800), kMinWindowWidth);
  placement.rect.height = std::max(profile.GetInt("Main", "SizeHeight", 600), kMinWindowHeight);
  return placement;
}

bool StoreWindowPlacementAtExit(Profile& profile, const WindowRect& restored) {
  if (profile.GetInt("Main", "SizeMax", 1) != 1) return true;
  return profile.WriteInt("Main", "SizeLeft", restored.left) &&
         profile.WriteInt("Main", "SizeTop", restored.top) &&
         profile.WriteInt("Main", "SizeWidth", restored.width) &&
         profile.WriteInt("Main", "SizeHeight", restored.height);
}

}  // namespace listora
