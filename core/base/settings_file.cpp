#include "core/base/settings_file.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>
#include <system_error>
#include <utility>

#include "core/base/file_io.h"
#include "core/text/cp932.h"

namespace listora {
namespace {

constexpr char kFileName[] = "Listora.ini";
constexpr std::string_view kLineBreak = "\r\n";

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Section and key names match without regard to ASCII case; the trail byte of
// a double-byte character is never folded, so two different kana never match.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size();) {
    if (cp932::IsLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      i += 2;
    } else {
      if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
      ++i;
    }
  }
  return true;
}

bool IsQuoted(std::string_view v) {
  return v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front();
}

std::string_view Unquote(std::string_view v) { return IsQuoted(v) ? v.substr(1, v.size() - 2) : v; }

// A value as it is written: line breaks would end the line early, so they
// become spaces; a value that trimming or unquoting would change on reading
// is put in double quotes, which the reader removes again.
std::string StoredValue(std::string_view value) {
  std::string v(value);
  for (char& c : v) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  const bool edgeSpace = !v.empty() && (IsSpace(v.front()) || IsSpace(v.back()));
  if (edgeSpace || IsQuoted(v)) return '"' + v + '"';
  return v;
}

// Leading whitespace, an optional sign, then decimal digits; no digits gives
// 0 and a value beyond 32 bits saturates at the nearest limit.
std::int32_t ParseInt(std::string_view v) {
  std::size_t i = 0;
  while (i < v.size() && IsSpace(v[i])) ++i;
  bool negative = false;
  if (i < v.size() && (v[i] == '-' || v[i] == '+')) negative = v[i++] == '-';
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  const std::int64_t limit = negative ? kMax + 1 : kMax;
  std::int64_t magnitude = 0;
  for (; i < v.size() && v[i] >= '0' && v[i] <= '9'; ++i) {
    magnitude = std::min<std::int64_t>(magnitude * 10 + (v[i] - '0'), limit);
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

struct Entry {
  enum Kind { kOther, kSection, kKey } kind = kOther;
  std::string_view name;
  std::string_view value;  // trimmed, quotes still on
};

// Blank lines, comments (';') and lines that are neither a section header
// nor a key are kOther: they are kept but never match.
Entry Classify(std::string_view line) {
  const std::string_view t = Trim(line);
  if (t.empty() || t.front() == ';') return {};
  if (t.front() == '[') {
    const std::size_t close = cp932::FindLast(t, ']');
    if (close != cp932::npos) return {Entry::kSection, Trim(t.substr(1, close - 1)), {}};
  }
  const std::size_t eq = t.find('=');
  if (eq == std::string_view::npos) return {};
  return {Entry::kKey, Trim(t.substr(0, eq)), Trim(t.substr(eq + 1))};
}

// Where a key is, or where it would go. Only the first section of a name is
// searched, as the platform's reader does.
struct Location {
  bool sectionFound = false;
  std::size_t insertAt = 0;      // just past the section's last non-blank line
  bool insertAfterBreak = true;  // that line ends in a line break
  bool keyFound = false;
  std::size_t lineBegin = 0;  // the key's line, without its line break
  std::size_t lineEnd = 0;
  std::string_view keyName;  // as the file spells it
  std::string_view value;
};

Location Locate(std::string_view bytes, std::string_view section, std::string_view key) {
  Location loc;
  bool inSection = false;
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t lf = bytes.find('\n', pos);
    const bool hasBreak = lf != std::string_view::npos;
    const std::size_t next = hasBreak ? lf + 1 : bytes.size();
    std::size_t end = hasBreak ? lf : bytes.size();
    if (end > pos && bytes[end - 1] == '\r') --end;
    const std::string_view line = bytes.substr(pos, end - pos);
    const Entry entry = Classify(line);
    if (entry.kind == Entry::kSection) {
      if (inSection) break;
      if (SameName(entry.name, section)) {
        inSection = loc.sectionFound = true;
        loc.insertAt = next;
        loc.insertAfterBreak = hasBreak;
      }
    } else if (inSection) {
      if (!Trim(line).empty()) {
        loc.insertAt = next;
        loc.insertAfterBreak = hasBreak;
      }
      if (entry.kind == Entry::kKey && SameName(entry.name, key)) {
        loc.keyFound = true;
        loc.lineBegin = pos;
        loc.lineEnd = end;
        loc.keyName = entry.name;
        loc.value = entry.value;
        break;
      }
    }
    pos = next;
  }
  return loc;
}

// `bytes` with the key's value set: its line rewritten in place, or a new
// line at the end of its section, or a new section at the end.
std::string WithValue(std::string_view bytes, std::string_view section, std::string_view key,
                      std::string_view value) {
  const Location loc = Locate(bytes, section, key);
  std::string out;
  out.reserve(bytes.size() + section.size() + key.size() + value.size() + 16);
  if (loc.keyFound) {
    out.append(bytes.substr(0, loc.lineBegin));
    out.append(loc.keyName).append("=").append(StoredValue(value));
    out.append(bytes.substr(loc.lineEnd));
  } else if (loc.sectionFound) {
    out.append(bytes.substr(0, loc.insertAt));
    if (!loc.insertAfterBreak) out.append(kLineBreak);
    out.append(key).append("=").append(StoredValue(value)).append(kLineBreak);
    out.append(bytes.substr(loc.insertAt));
  } else {
    out.append(bytes);
    if (!out.empty() && out.back() != '\n') out.append(kLineBreak);
    out.append("[").append(section).append("]").append(kLineBreak);
    out.append(key).append("=").append(StoredValue(value)).append(kLineBreak);
  }
  return out;
}

std::filesystem::path HomeDir() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return ".";
}

}  // namespace

SettingsFile::SettingsFile(std::filesystem::path file) : file_(std::move(file)) {}

std::optional<std::string> SettingsFile::Load(FileError* error) const {
  if (preloaded_) return preloaded_;
  if (auto bytes = ReadFileBytes(file_, error, kMaxSettingsFileBytes)) return bytes;
  std::error_code ec;
  if (std::filesystem::exists(file_, ec) || ec) return std::nullopt;
  return std::string();
}

bool SettingsFile::Preload(FileError* error) {
  preloaded_.reset();
  preloaded_ = Load(error);
  return preloaded_.has_value();
}

std::string SettingsFile::GetString(std::string_view section, std::string_view key,
                                    std::string_view def) const {
  const std::string bytes = Load().value_or(std::string());
  const Location loc = Locate(bytes, section, key);
  if (!loc.keyFound) return std::string(def);
  return std::string(Unquote(loc.value));
}

std::int32_t SettingsFile::GetInt(std::string_view section, std::string_view key,
                                  std::int32_t def) const {
  const std::string bytes = Load().value_or(std::string());
  const Location loc = Locate(bytes, section, key);
  const std::string_view value = Unquote(loc.value);
  // A key with an empty value counts as missing, as with the platform's reader.
  if (!loc.keyFound || value.empty()) return def;
  return ParseInt(value);
}

bool SettingsFile::WriteInt(std::string_view section, std::string_view key, std::int32_t value) {
  return WriteString(section, key, std::to_string(value));
}

bool SettingsFile::WriteString(std::string_view section, std::string_view key,
                               std::string_view value) {
  const SettingsFileEntry entry{key, std::string(value)};
  return WriteSection(section, {&entry, 1});
}

bool SettingsFile::WriteSection(std::string_view section,
                                std::span<const SettingsFileEntry> entries) {
  const std::optional<std::string> old = Load();
  if (!old) return false;
  std::string bytes = *old;
  for (const SettingsFileEntry& entry : entries)
    bytes = WithValue(bytes, section, entry.key, entry.value);
  if (!WriteFileAtomically(file_, bytes)) return false;
  if (preloaded_) preloaded_ = std::move(bytes);
  return true;
}

namespace {

std::filesystem::path UserSettingsFile() {
  std::filesystem::path base;
  // Relative values of XDG_CONFIG_HOME are to be ignored.
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
    base = xdg;
  else
    base = HomeDir() / ".config";
  return base / "listora" / kFileName;
}

}  // namespace

std::filesystem::path SettingsFilePath(const std::filesystem::path& executableDir) {
  if (const char* env = std::getenv("LISTORA_INI"); env && *env) return env;
  // A file beside the executable makes a portable copy (and the build tree)
  // keep its settings with it; an installed program never writes there.
  std::error_code ec;
  if (!executableDir.empty() && std::filesystem::exists(executableDir / kFileName, ec)) {
    return executableDir / kFileName;
  }
  return UserSettingsFile();
}

std::filesystem::path WritableSettingsFilePath(const std::filesystem::path& executableDir) {
  const std::filesystem::path file = SettingsFilePath(executableDir);
  std::error_code ec;
  // A failure shows when the file is written.
  if (file == UserSettingsFile()) std::filesystem::create_directories(file.parent_path(), ec);
  return file;
}

}  // namespace listora
