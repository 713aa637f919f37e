#pragma once
// The about box: the program's name and version, its notice, and a link to
// its web page (when an update server is configured, the page lives there).

#include <wx/dialog.h>

#include <string>

namespace listora {

class AboutDialog : public wxDialog {
 public:
  enum : int { kWebLink = 1000 };
  static constexpr int kIconSize = 32;

  AboutDialog(wxWindow* parent, const std::string& server);
};

}  // namespace listora
