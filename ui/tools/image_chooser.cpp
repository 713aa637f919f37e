#include "ui/tools/image_chooser.h"

#include "ui/app/prompt.h"

namespace listora {

wxString ChooseImageFile(wxWindow* owner) {
  return ThePrompt().OpenImage(
      owner, wxString::FromUTF8("開く"),
      wxString::FromUTF8("画像ファイル (*.jpg, *.jpeg, *.bmp, *.gif)|*.jpg;*.jpeg;*.bmp;*.gif"));
}

}  // namespace listora
