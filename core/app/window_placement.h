#pragma once
// Where the main window opens and what is remembered of it at exit
// (the `Main`/`Size*` keys of the settings file).

#include <cstdint>

namespace listora {

class Profile;

enum class StartMode : std::int32_t {
  kMaximised = 0,  // "最大化で起動"
  kLastExit = 1,   // "終了時の位置とサイズで起動"
  kGiven = 2,      // "指定の位置とサイズ"
};

struct WindowRect {
  std::int32_t left = 0, top = 0, width = 800, height = 600;
};

inline constexpr std::int32_t kMinWindowWidth = 860;
inline constexpr std::int32_t kMinWindowHeight = 600;

struct WindowPlacement {
  StartMode mode = StartMode::kMaximised;
  WindowRect rect;  // used unless maximised; never below the minimum size
};

WindowPlacement ReadWindowPlacement(const Profile& profile);

// At exit the restored rectangle is written when `SizeMax` is 1, a missing
// key counting as 1 here. Returns false when the file could not be written.
bool StoreWindowPlacementAtExit(Profile& profile, const WindowRect& restored);

}  // namespace listora
