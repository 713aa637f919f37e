// Takes the README's screenshot: starts the desktop program on a document
// under a private settings file, lets it draw, and saves the main window as
// PNG. Run under Xvfb by scripts/screenshots.sh.
//
//   take_screenshot DOCUMENT OUT.png

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/utils.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/base/settings_file.h"
#include "ui/app/listora_app.h"
#include "ui/app/listora_doc_manager.h"
#include "ui/base/command_ids.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/item_list_ctrl.h"

namespace {

void Settle() {
  for (int i = 0; i < 60; ++i) {
    wxTheApp->ProcessPendingEvents();
    wxTheApp->Yield(true);
    wxMilliSleep(20);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: take_screenshot DOCUMENT OUT.png\n");
    return 1;
  }
  const std::string document = std::filesystem::absolute(argv[1]).string();
  const std::filesystem::path out = std::filesystem::absolute(argv[2]);

  // A settings file of its own: the window placed at the screen's corner
  // at the README's size, whatever the user's settings say.
  char folder[] = "/tmp/listora-screenshot-XXXXXX";
  if (!mkdtemp(folder)) return 1;
  const std::filesystem::path ini = std::filesystem::path(folder) / "Listora.ini";
  setenv("LISTORA_INI", ini.c_str(), 1);
  listora::SettingsFile settingsFile(ini);
  settingsFile.WriteInt("Main", "SizeMax", 1);
  settingsFile.WriteInt("Main", "SizeLeft", 0);
  settingsFile.WriteInt("Main", "SizeTop", 0);
  settingsFile.WriteInt("Main", "SizeWidth", 1280);
  settingsFile.WriteInt("Main", "SizeHeight", 800);

  int appArgc = 2;
  char* appArgv[] = {argv[0], const_cast<char*>(document.c_str()), nullptr};
  wxApp::SetInstance(new listora::ListoraApp);
  if (!wxEntryStart(appArgc, appArgv) || !wxTheApp->CallOnInit()) {
    std::fprintf(stderr, "the program did not start (is there a display?)\n");
    return 1;
  }
  listora::ListoraApp& app = listora::TheApp();
  listora::MainFrame* frame = app.Frame();
  Settle();

  // The first item (a memo and a picture) chosen, the tree grouped by the
  // second column.
  if (auto* list = frame->PaneWindows().list; list && list->GetItemCount() > 0) {
    list->ClickRow(0, false, false);
    list->SetFocus();
  }
  wxCommandEvent group(wxEVT_MENU, listora::cmd::kTreeGroup1 + 1);
  frame->ProcessWindowEvent(group);
  Settle();

  const wxRect rect = frame->GetScreenRect();
  wxBitmap shot(rect.GetSize());
  {
    wxScreenDC screen;
    wxMemoryDC memory(shot);
    memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y);
  }
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
  const bool saved = shot.ConvertToImage().SaveFile(out.string(), wxBITMAP_TYPE_PNG);

  app.DocManager()->Clear(true);
  frame->Destroy();
  Settle();
  wxTheApp->OnExit();
  wxEntryCleanup();
  std::filesystem::remove_all(folder);
  if (!saved) {
    std::fprintf(stderr, "could not write %s\n", out.c_str());
    return 1;
  }
  return 0;
}
