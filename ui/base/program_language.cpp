#include "ui/base/program_language.h"

#include <wx/intl.h>
#include <wx/msgdlg.h>
#include <wx/translation.h>

#include <array>

#include "ui/base/messages.h"
#include "ui/text/text_convert.h"

namespace listora {

void UseProgramLanguage(Language language, const std::filesystem::path& exeDir) {
  const std::array dirs{InstalledLocaleDir(exeDir), BuildLocaleDir(exeDir)};
  UseLanguage(language, dirs);
  auto* translations = new wxTranslations;
  if (language == Language::kJapanese) {
    translations->SetLanguage(wxLANGUAGE_JAPANESE);
    translations->AddStdCatalog();
  } else {
    // The toolkit's own texts are English without a catalogue.
    translations->SetLanguage(wxLANGUAGE_ENGLISH_US);
  }
  wxTranslations::Set(translations);
}

void SetButtonLabels(wxMessageDialog& dialog) {
  dialog.SetYesNoCancelLabels(Utf8(msg::kYesButton), Utf8(msg::kNoButton),
                              Utf8(msg::kCancelButton));
  dialog.SetOKCancelLabels("OK", Utf8(msg::kCancelButton));
}

}  // namespace listora
