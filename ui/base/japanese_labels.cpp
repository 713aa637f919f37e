#include "ui/base/japanese_labels.h"

#include <wx/intl.h>
#include <wx/msgdlg.h>
#include <wx/translation.h>

#include "ui/base/messages.h"
#include "ui/text/text_convert.h"

namespace listora {

void UseJapaneseToolkitTexts() {
  auto* translations = new wxTranslations;
  translations->SetLanguage(wxLANGUAGE_JAPANESE);
  translations->AddStdCatalog();
  wxTranslations::Set(translations);
}

void SetJapaneseButtonLabels(wxMessageDialog& dialog) {
  dialog.SetYesNoCancelLabels(Utf8(msg::kYesButton), Utf8(msg::kNoButton),
                              Utf8(msg::kCancelButton));
  dialog.SetOKCancelLabels("OK", Utf8(msg::kCancelButton));
}

}  // namespace listora
