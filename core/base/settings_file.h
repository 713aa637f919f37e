#pragma once
// The settings file: an "INI" file of sections and keys that users bring from
// other machines, so it follows the conventions of such files:
// section and key names match without regard to ASCII case, every read has a
// default, integers are read from their leading digits, text is CP932, lines
// end in CR LF, and writing one key keeps every other line as it was. Every
// write replaces the file atomically.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/base/file_io.h"

namespace listora {

// A settings file is a few kilobytes; a larger one is not read.
inline constexpr std::size_t kMaxSettingsFileBytes = 4 << 20;

struct SettingsFileEntry {
  std::string_view key;
  std::string value;
};

class SettingsFile {
 public:
  explicit SettingsFile(std::filesystem::path file);

  const std::filesystem::path& File() const { return file_; }

  // Reads the file afresh on every call, so hand edits take effect at once
  // (unless preloaded). A file that is there but cannot be read (not a
  // regular file, larger than the limit) reads as empty and is never
  // written.
  std::int32_t GetInt(std::string_view section, std::string_view key, std::int32_t def) const;
  std::string GetString(std::string_view section, std::string_view key, std::string_view def) const;

  // Returns false when the file could not be written (the old file is kept).
  bool WriteInt(std::string_view section, std::string_view key, std::int32_t value);
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Several keys of one section in one replacement of the file, so they are
  // written all or none.
  bool WriteSection(std::string_view section, std::span<const SettingsFileEntry> entries);

  // Reads the file once now and answers every later read from that copy
  // (writes update it), for a run that reads many keys and wants no hand
  // edits in between. False, with the reason, when a file is there but
  // cannot be read.
  bool Preload(FileError* error = nullptr);

 private:
  // The file's bytes; empty when there is no file, nullopt when a file is
  // there but cannot be read, so a write never replaces what it did not see.
  std::optional<std::string> Load(FileError* error = nullptr) const;

  std::filesystem::path file_;
  std::optional<std::string> preloaded_;
};

// Where "Listora.ini" lives: $LISTORA_INI when set; else beside the
// executable when a file of that name is there already; else
// $XDG_CONFIG_HOME/listora/ (~/.config/listora/ without XDG_CONFIG_HOME).
// Reading makes no folder.
std::filesystem::path SettingsFilePath(const std::filesystem::path& executableDir);
// The same for the desktop program, which writes its settings: the user's
// folder is made when the file goes there.
std::filesystem::path WritableSettingsFilePath(const std::filesystem::path& executableDir);

}  // namespace listora
