#pragma once
// Paths as the core's texts hold them (CP932, from documents that may come
// from Windows, where "\" separates) and as the file system takes them
// (UTF-8, "/" separates). Both separators are accepted when reading a text.

#include <filesystem>
#include <string>
#include <string_view>

namespace listora {

// CP932 path text -> file-system path, every "\" read as "/".
std::filesystem::path PathFromText(std::string_view cp932);

// File-system path -> CP932 text, as items and the settings hold it, that
// PathFromText turns back into the same path.
std::string PathText(const std::filesystem::path& path);

// `path` when it names an existing file or folder; else the first of its
// other spellings that does, each of the six characters whose CP932 form
// reads back as another sign ("〜" U+301C and "～" U+FF5E, and so on) swapped
// for its partner; else `path`. A document made on Windows holds "～" where
// the file's name here may hold "〜".
std::filesystem::path ExistingSpelling(const std::filesystem::path& path);

// The part of a CP932 path text after its last "\" or "/" (the whole text
// when it has neither). Trail bytes equal to "\" are not separators.
std::string_view FileNamePart(std::string_view cp932);

// `path` without separators at its end (the root "/" stays).
std::filesystem::path WithoutTrailingSeparators(const std::filesystem::path& path);

}  // namespace listora
