#pragma once
// How a file's path is remembered (the recent files, a document named on
// the command line).

#include <filesystem>

namespace listora {

// `file` absolute, without "." and "..", the folder's links resolved as the
// system resolves them on the way (the file's own name is kept, link or
// not).
std::filesystem::path NormalFilePath(const std::filesystem::path& file);

}  // namespace listora
