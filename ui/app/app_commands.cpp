#include "ui/app/app_commands.h"

#include <wx/filename.h>
#include <wx/utils.h>

#include "core/app/update_check.h"
#include "core/base/translation.h"
#include "ui/app/about_dialog.h"
#include "ui/app/command_scope.h"
#include "ui/app/settings/settings_dialog.h"
#include "ui/app/update_check_dialog.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"

namespace listora {

namespace {

// The help page in the program's language: the catalogue names the page
// written in its language.
constexpr Text kHelpFile = Tx("listora-help.html");

}  // namespace

std::filesystem::path HelpPage(const std::filesystem::path& executableDir) {
  std::error_code ec;
  const std::string name(kHelpFile.Shown());
  for (const auto& candidate :
       {executableDir / name, executableDir / ".." / "share" / "listora" / name}) {
    if (std::filesystem::is_regular_file(candidate, ec)) return candidate.lexically_normal();
  }
  return {};
}

void ShowSettings(CommandScope& scope, wxCommandEvent&) {
  ListoraDoc* doc = scope.Doc();
  if (!doc) return;
  SettingsDialog dialog(scope.frame.get(), *doc);
  dialog.ShowModal();
}

void ShowHelpPage(CommandScope& scope, wxCommandEvent&) {
  // A missing page or browser is not reported.
  const std::filesystem::path page = HelpPage(scope.program.executableDir);
  if (!page.empty())
    wxLaunchDefaultBrowser(wxFileName::FileNameToURL(wxString::FromUTF8(page.string())));
}

void ShowAbout(CommandScope& scope, wxCommandEvent&) {
  AboutDialog dialog(scope.frame.get(), UpdateServer(scope.program.settingsFile));
  dialog.ShowModal();
}

void CheckForUpdate(CommandScope& scope, wxCommandEvent&) {
  UpdateCheckDialog dialog(scope.frame.get(), UpdateServer(scope.program.settingsFile));
  dialog.ShowModal();
}

}  // namespace listora
