#pragma once
// Which language the program speaks: the desktop's, read from the
// environment as gettext reads it. Japanese under a Japanese locale and
// where no language is set (C, POSIX); English under every other language,
// which serves a German or French desktop better than Japanese does.

#include <filesystem>
#include <functional>
#include <span>

namespace listora {

enum class Language { kJapanese, kEnglish };

// `getenv` reads one variable (null or empty: unset).
Language ChooseLanguage(const std::function<const char*(const char*)>& getenv);
Language DesktopLanguage();

// Loads the catalogue `language` needs from the first of `localeDirs` that
// holds it (DIR/en/LC_MESSAGES/listora.mo); Japanese needs none. False when
// none was found: the texts then stay Japanese.
bool UseLanguage(Language language, std::span<const std::filesystem::path> localeDirs);

// The locale folders beside a program in `exeDir`: the installed one
// (PREFIX/share/locale beside PREFIX/bin) and the build tree's.
std::filesystem::path InstalledLocaleDir(const std::filesystem::path& exeDir);
std::filesystem::path BuildLocaleDir(const std::filesystem::path& exeDir);

}  // namespace listora
