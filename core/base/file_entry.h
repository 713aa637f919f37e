#pragma once
// One file or folder as insertion sees it: its names, size, times and the
// attributes the skip mask is tested against.
//
// Attributes on this system: hidden = the name begins with "."; read-only =
// not writable by the user, or without any write permission bit; system =
// neither a regular file nor a folder (also a link whose target is gone).
// Symbolic links are followed. The creation time is the birth time where the
// file system reports one, else the modification time.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace listora {

// Attribute bits for the skip mask, as the settings file's `Attribute` keys
// describe them (values of the Windows attribute flags they stand for).
inline constexpr std::uint32_t kAttrReadOnly = 0x01;
inline constexpr std::uint32_t kAttrHidden = 0x02;
inline constexpr std::uint32_t kAttrSystem = 0x04;

struct FileEntry {
  std::filesystem::path path;  // as found: the folder's path and the entry name
  std::string name;            // CP932 path text (PathText)
  std::string folderName;      // likewise: last component of the holding folder
  bool isFolder = false;
  std::uint64_t size = 0;    // 0 for folders
  std::int64_t created = 0;  // seconds since 1970-01-01 UTC
  std::int64_t written = 0;
  std::int64_t accessed = 0;
  std::uint32_t attributes = 0;  // kAttrReadOnly | kAttrHidden | kAttrSystem
  // Identity of a folder (device and inode), to enter each folder once.
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
};

// Looks `path` up; nothing when no entry of that name exists (a dangling
// link does exist, as a system entry).
std::optional<FileEntry> LookUpEntry(const std::filesystem::path& path);

}  // namespace listora
