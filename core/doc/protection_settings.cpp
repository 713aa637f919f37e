#include "core/doc/protection_settings.h"

#include <string>
#include <string_view>

namespace listora {

namespace {

constexpr std::string_view kSection = "Main";
constexpr std::string_view kPassword = "Pass";
constexpr std::string_view kEncrypt = "Ango";

}  // namespace

ProtectionSettings ReadProtectionSettings(const SettingsFile& settingsFile) {
  return {settingsFile.GetInt(kSection, kPassword, 0) != 0,
          settingsFile.GetInt(kSection, kEncrypt, 0) != 0};
}

std::vector<SettingsFileEntry> ProtectionEntries(const ProtectionSettings& protection) {
  return {{kPassword, std::to_string(protection.password)},
          {kEncrypt, std::to_string(protection.encrypt)}};
}

ProtectionSettings AfterProtectionClick(ProtectionSettings clicked) {
  if (clicked.password) clicked.encrypt = true;
  return clicked;
}

}  // namespace listora
