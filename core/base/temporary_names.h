#pragma once
// The names of the temporary files a whole-file write makes beside its
// target, ".NAME.XXXXXXXX", and the removal of those a killed write left.

#include <filesystem>

namespace listora {

// A fresh temporary name for `target`, in its folder.
std::filesystem::path TemporaryName(const std::filesystem::path& target);

// Whether `name` (a file name without folder) is one TemporaryName gives
// for `target`.
bool IsTemporaryNameOf(const std::filesystem::path& name, const std::filesystem::path& target);

// Seconds a temporary file must have been left alone before it counts as
// left over: a younger one may belong to a save still under way.
inline constexpr int kLeftoverAgeSeconds = 60;

// Removes the temporary files of `target` in its folder that a killed write
// left behind: regular files of this user whose names TemporaryName could
// have given and that are older than kLeftoverAgeSeconds. Only file systems
// without unnamed files leave them.
void RemoveLeftovers(const std::filesystem::path& target);

}  // namespace listora
