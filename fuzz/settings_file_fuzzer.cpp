// The settings file reader and writer on arbitrary file contents: a value
// written reads back (line breaks become spaces, as stored values cannot
// hold them), and a write leaves every other key's value as it was.

#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "core/base/settings_file.h"

using namespace listora;

namespace {

// A folder of the fuzzer's own, on tmpfs when there is one (every write is
// flushed to disk), removed at exit.
std::filesystem::path folder;

std::filesystem::path SettingsPath() {
  if (folder.empty()) {
    std::string name = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
    name += "/listora-fuzz-XXXXXX";
    if (!mkdtemp(name.data())) std::abort();
    folder = name;
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(folder, ignored);
    });
  }
  return folder / "Listora.ini";
}

// Section and key names from a small alphabet, so that names in the file
// and names asked for meet, in either letter case.
std::string Name(FuzzedDataProvider& input) {
  static constexpr char kLetters[] = "aAbB1_";
  std::string name(input.ConsumeIntegralInRange<int>(1, 3), 'a');
  for (char& c : name) c = kLetters[input.ConsumeIntegralInRange<int>(0, 5)];
  return name;
}

bool SameName(std::string a, std::string b) {
  for (char& c : a) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (char& c : b) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return a == b;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = Name(input);
  const std::string key = Name(input);
  const std::string otherSection = Name(input);
  const std::string otherKey = Name(input);
  const bool asNumber = input.ConsumeBool();
  const std::int32_t number = input.ConsumeIntegral<std::int32_t>();
  const std::string value = input.ConsumeRandomLengthString(64);
  const std::string content = input.ConsumeRemainingBytesAsString();

  const std::filesystem::path file = SettingsPath();
  if (std::FILE* out = std::fopen(file.c_str(), "wb")) {
    std::fwrite(content.data(), 1, content.size(), out);
    std::fclose(out);
  } else {
    std::abort();
  }

  SettingsFile settingsFile(file);
  constexpr std::string_view kAbsent =
      "\x01"
      "absent";
  const std::string otherBefore = settingsFile.GetString(otherSection, otherKey, kAbsent);
  if (asNumber) {
    if (!settingsFile.WriteInt(section, key, number)) std::abort();
    if (settingsFile.GetInt(section, key, number ^ 1) != number) std::abort();
  } else {
    if (!settingsFile.WriteString(section, key, value)) std::abort();
    std::string expected = value;
    for (char& c : expected)
      if (c == '\r' || c == '\n') c = ' ';
    if (settingsFile.GetString(section, key, kAbsent) != expected) std::abort();
  }
  if (!(SameName(section, otherSection) && SameName(key, otherKey)) &&
      settingsFile.GetString(otherSection, otherKey, kAbsent) != otherBefore)
    std::abort();
  return 0;
}
