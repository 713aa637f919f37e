#pragma once
// The settings file: a private-profile ("INI") file that users bring from
// other machines, so it is read and written the way such files always were:
// section and key names match without regard to ASCII case, every read has a
// default, integers are read from their leading digits, text is CP932, lines
// end in CR LF, and writing one key keeps every other line as it was. Every
// write replaces the file atomically.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace listora {

struct ProfileEntry {
  std::string_view key;
  std::string value;
};

class Profile {
 public:
  explicit Profile(std::filesystem::path file);

  const std::filesystem::path& File() const { return file_; }

  // Reads the file afresh on every call, so hand edits take effect at once.
  std::int32_t GetInt(std::string_view section, std::string_view key, std::int32_t def) const;
  std::string GetString(std::string_view section, std::string_view key, std::string_view def) const;

  // Returns false when the file could not be written (the old file is kept).
  bool WriteInt(std::string_view section, std::string_view key, std::int32_t value);
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Several keys of one section in one replacement of the file, so they are
  // written all or none.
  bool WriteSection(std::string_view section, std::span<const ProfileEntry> entries);

 private:
  std::filesystem::path file_;
};

// Where "Listora.ini" lives: $LISTORA_INI when set; else beside the
// executable when that folder is writable; else $XDG_CONFIG_HOME/listora/
// (~/.config/listora/ without XDG_CONFIG_HOME).
std::filesystem::path SettingsFilePath(const std::filesystem::path& executableDir);

}  // namespace listora
