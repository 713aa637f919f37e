#include "ui/base/program_language.h"

#include <wx/intl.h>
#include <wx/msgdlg.h>
#include <wx/translation.h>

#include <mutex>
#include <set>
#include <string>

#include "ui/base/messages.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

constexpr char kDomain[] = "listora";

// The program's texts through the toolkit's translations. The core hands
// out UTF-8 views, so each translation is converted once and kept.
std::string_view LookUp(const char* one, const char* other, unsigned long count) {
  const wxTranslations* translations = wxTranslations::Get();
  if (translations == nullptr) return one;
  const wxString id = wxString::FromUTF8(one);
  const wxString* found = other == nullptr ? translations->GetTranslatedString(id, kDomain)
                                           : translations->GetTranslatedString(
                                                 id, static_cast<unsigned>(count), kDomain);
  if (found == nullptr) return one;
  static std::mutex mutex;
  static std::set<std::string, std::less<>> shown;
  const std::lock_guard lock(mutex);
  return *shown.insert(found->utf8_string()).first;
}

}  // namespace

void UseProgramLanguage(Language language, const std::filesystem::path& exeDir) {
  auto* translations = new wxTranslations;
  if (language == Language::kJapanese) {
    translations->SetLanguage(wxLANGUAGE_JAPANESE);
    translations->AddStdCatalog();
  } else {
    // The toolkit's own texts are English without a catalogue; the
    // program's ids are Japanese.
    translations->SetLanguage(wxLANGUAGE_ENGLISH_US);
    for (const std::filesystem::path& dir : {BuildLocaleDir(exeDir), InstalledLocaleDir(exeDir)})
      wxFileTranslationsLoader::AddCatalogLookupPathPrefix(dir.string());
    translations->AddCatalog(kDomain, wxLANGUAGE_JAPANESE);
  }
  wxTranslations::Set(translations);
  SetTextLookup(LookUp);
}

void SetButtonLabels(wxMessageDialog& dialog) {
  dialog.SetYesNoCancelLabels(Utf8(msg::kYesButton), Utf8(msg::kNoButton),
                              Utf8(msg::kCancelButton));
  dialog.SetOKCancelLabels("OK", Utf8(msg::kCancelButton));
}

}  // namespace listora
