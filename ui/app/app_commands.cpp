#include "ui/app/app_commands.h"

#include <wx/filename.h>
#include <wx/utils.h>

#include "core/app/update_check.h"
#include "ui/app/about_dialog.h"
#include "ui/app/command_scope.h"
#include "ui/app/settings/settings_dialog.h"
#include "ui/app/update_check_dialog.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"

namespace listora {

namespace {

constexpr char kHelpFile[] = "listora-help.html";

}  // namespace

std::filesystem::path HelpPage(const std::filesystem::path& executableDir) {
  std::error_code ec;
  for (const auto& candidate :
       {executableDir / kHelpFile, executableDir / ".." / "share" / "listora" / kHelpFile}) {
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
