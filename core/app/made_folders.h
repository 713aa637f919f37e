#pragma once
// Folders the desktop integration makes for its files, noted in a file of
// the program's own, so that taking the files away also takes away the
// folders that then stand empty, and never a folder that was there before.
// The note holds one absolute path a line.

#include <filesystem>

namespace listora {

// Makes `folder`, which lies below `root`, with its missing parents; each
// one made below `root` (which is made unnoted where it is missing) is
// noted in `note`. False when the folder is not there afterwards.
bool MakeNotedFolders(const std::filesystem::path& note, const std::filesystem::path& root,
                      const std::filesystem::path& folder);

// Removes `folder` and then each parent, as long as it is noted and empty;
// the first noted one that holds something is forgotten and kept, as it has
// become the user's. The note goes with its last entry, and its folder when
// that is then empty.
void RemoveNotedFolders(const std::filesystem::path& note, const std::filesystem::path& folder);

}  // namespace listora
