#include "ui/base/save_chooser.h"

#include <wx/filename.h>

#include <filesystem>

#include "ui/base/messages.h"
#include "ui/base/prompt.h"
#include "ui/text/text_convert.h"

namespace listora {

wxString ChooseSavePath(wxWindow* owner, const wxString& title, const wxString& proposed,
                        const wxString& wildcard, const wxString& extension, int* fileType) {
  wxString name = proposed;
  for (;;) {
    wxString path = ThePrompt().SaveFile(owner, title, name, wildcard, fileType);
    if (path.empty()) return path;
    if (wxFileName(path).GetExt().empty()) path += "." + extension;
    std::error_code ec;
    const std::filesystem::path target(path.utf8_string());
    // A folder of that name is not offered for replacing; the write reports it.
    if (!std::filesystem::exists(target, ec) || std::filesystem::is_directory(target, ec))
      return path;
    const wxString question =
        wxString::Format(Utf8(msg::kOverwriteQuestion), wxFileNameFromPath(path));
    if (ThePrompt().YesNo(owner, question)) return path;
    name = path;
  }
}

}  // namespace listora
