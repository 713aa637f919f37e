#include "ui/app/japanese_labels.h"

#include <wx/intl.h>
#include <wx/msgdlg.h>
#include <wx/translation.h>

namespace listora {

void UseJapaneseToolkitTexts() {
  auto* translations = new wxTranslations;
  translations->SetLanguage(wxLANGUAGE_JAPANESE);
  translations->AddStdCatalog();
  wxTranslations::Set(translations);
}

void SetJapaneseButtonLabels(wxMessageDialog& dialog) {
  dialog.SetYesNoCancelLabels(wxString::FromUTF8("はい"), wxString::FromUTF8("いいえ"),
                              wxString::FromUTF8("キャンセル"));
  dialog.SetOKCancelLabels("OK", wxString::FromUTF8("キャンセル"));
}

}  // namespace listora
