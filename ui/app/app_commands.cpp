#include "ui/app/app_commands.h"

#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/utils.h>

#include "core/app/update_check.h"
#include "ui/app/about_dlg.h"
#include "ui/app/doc_manager.h"
#include "ui/app/listora_app.h"
#include "ui/app/settings/settings_dialog.h"
#include "ui/app/update_check_dlg.h"
#include "ui/base/command_ids.h"
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

void BindAppCommands(wxFrame& frame) {
  frame.Bind(
      wxEVT_MENU,
      [&frame](wxCommandEvent&) {
        CListoraDoc* doc = OpenDocument();
        if (!doc) return;
        SettingsDialog dialog(dynamic_cast<CMainFrame*>(&frame), *doc);
        if (dialog.ShowModal() == wxID_OK) doc->MarkModified();
      },
      cmd::kSettings);
  frame.Bind(
      wxEVT_MENU,
      [](wxCommandEvent&) {
        // A missing page or browser is not reported.
        const std::filesystem::path page = HelpPage(TheApp().ExecutableDir());
        if (!page.empty()) {
          wxLaunchDefaultBrowser(wxFileName::FileNameToURL(wxString::FromUTF8(page.string())));
        }
      },
      cmd::kHelp);
  frame.Bind(
      wxEVT_MENU,
      [&frame](wxCommandEvent&) {
        AboutDialog dialog(&frame, UpdateServer(TheApp().Settings()));
        dialog.ShowModal();
      },
      cmd::kAbout);
  frame.Bind(
      wxEVT_MENU,
      [&frame](wxCommandEvent&) {
        UpdateCheckDialog dialog(&frame, UpdateServer(TheApp().Settings()));
        dialog.ShowModal();
      },
      cmd::kUpdateCheck);
}

}  // namespace listora
