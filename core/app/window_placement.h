#pragma once
// Where the main window opens and what is remembered of it at exit: the
// `Main`/`Size*` keys of the settings file, read and written here only.

#include <cstdint>
#include <span>
#include <vector>

#include "core/base/settings_file.h"

namespace listora {

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
// The window system addresses no position or size beyond this, either way.
inline constexpr std::int32_t kMaxWindowExtent = 32767;

struct WindowPlacement {
  StartMode mode = StartMode::kMaximised;
  // Used unless maximised: never below the minimum size, and no position or
  // size beyond kMaxWindowExtent.
  WindowRect rect;
};

WindowPlacement ReadWindowPlacement(const SettingsFile& settingsFile);

// The start-up page's values as stored: the mode (0..2, StartMode; any
// other reads as 0) and the position and size it gives, unchecked.
struct StartupSettings : WindowRect {
  std::int32_t mode = 0;
};
StartupSettings ReadStartupSettings(const SettingsFile& settingsFile);
// The `Main` entries that store `startup`: the mode, and the position and
// size only in the given mode.
std::vector<SettingsFileEntry> StartupEntries(const StartupSettings& startup);

// How much of a window must lie on one screen for the user to reach it and
// drag it back: a title bar's height over a stretch of its width.
inline constexpr std::int32_t kReachableWidth = 64;
inline constexpr std::int32_t kReachableHeight = 32;

// Whether `rect` keeps a reachable part on one of `screens` (their usable
// areas).
bool IsReachable(const WindowRect& rect, std::span<const WindowRect> screens);

// `rect` when it is reachable; otherwise a window of the default size,
// within the primary screen and centred on it.
WindowRect ReachableRect(const WindowRect& rect, std::span<const WindowRect> screens,
                         const WindowRect& primary);

// At exit the restored rectangle is written when `SizeMax` is 1, a missing
// key counting as 1 here, and the rectangle is reachable on one of `screens`:
// a window lost off every screen is never made the next start's place.
// Returns false when the file could not be written.
bool StoreWindowPlacementAtExit(SettingsFile& settingsFile, const WindowRect& restored,
                                std::span<const WindowRect> screens);

}  // namespace listora
