#include "ui/base/image_chooser.h"

#include "ui/base/messages.h"
#include "ui/base/prompt.h"
#include "ui/text/text_convert.h"

namespace listora {

wxString ChooseImageFile(wxWindow* owner) {
  return ThePrompt().OpenImage(owner, Utf8(msg::kOpenTitle), Utf8(msg::kImageFilter));
}

}  // namespace listora
