#include "core/base/language.h"

#include <cstdlib>
#include <string_view>

#include "core/base/translation.h"

namespace listora {

namespace {

// "ja_JP.UTF-8", "ja", "en_GB@euro": the language is what comes before the
// territory, the encoding and the modifier.
std::string_view LanguagePart(std::string_view name) {
  return name.substr(0, name.find_first_of("_.@"));
}

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

}  // namespace

Language ChooseLanguage(const std::function<const char*(const char*)>& getenv) {
  // The locale of messages, as setlocale would take it.
  std::string_view locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    if (const char* value = getenv(name); IsSet(value)) {
      locale = value;
      break;
    }
  }
  const std::string_view localeLanguage = LanguagePart(locale);
  // gettext ignores LANGUAGE under the C locale, and so does this.
  if (localeLanguage.empty() || localeLanguage == "C" || localeLanguage == "POSIX")
    return Language::kJapanese;
  // LANGUAGE lists languages by preference; the first this program speaks
  // wins, and a list of only others still gets English.
  if (const char* list = getenv("LANGUAGE"); IsSet(list)) {
    std::string_view rest = list;
    while (!rest.empty()) {
      const std::size_t colon = rest.find(':');
      const std::string_view entry = LanguagePart(rest.substr(0, colon));
      if (entry == "ja") return Language::kJapanese;
      if (entry == "en") return Language::kEnglish;
      rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
    return Language::kEnglish;
  }
  return localeLanguage == "ja" ? Language::kJapanese : Language::kEnglish;
}

Language DesktopLanguage() {
  return ChooseLanguage([](const char* name) { return std::getenv(name); });
}

bool UseLanguage(Language language, std::span<const std::filesystem::path> localeDirs) {
  UnloadCatalogue();
  if (language == Language::kJapanese) return true;
  for (const std::filesystem::path& dir : localeDirs) {
    if (LoadCatalogueFile(dir / "en" / "LC_MESSAGES" / "listora.mo")) return true;
  }
  return false;
}

std::filesystem::path InstalledLocaleDir(const std::filesystem::path& exeDir) {
  return exeDir.parent_path() / "share" / "locale";
}

// The build puts the catalogue in build/locale, one folder above each
// program's (build/ui, build/ltbtool).
std::filesystem::path BuildLocaleDir(const std::filesystem::path& exeDir) {
  return exeDir.parent_path() / "locale";
}

}  // namespace listora
