#include "ui/support/gui_app.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/docview.h>
#include <wx/gdicmn.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/time.h>
#include <wx/utils.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include "core/base/language.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/app/listora_doc_manager.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/support/scripted_prompt.h"

namespace listora::test {

namespace {

std::unique_ptr<TempDir> settingsDir;
ScriptedPrompt* prompt = nullptr;

// Under a busy Xvfb, GTK now and then cannot open the display at the first
// try; a failed start leaves nothing behind, so it is tried again.
bool StartWx() {
  static char name[] = "ui_tests";
  static char* argv[] = {name, nullptr};
  static int argc = 1;
  for (int attempt = 0; attempt < 5; ++attempt) {
    wxApp::SetInstance(new ListoraApp);
    if (wxEntryStart(argc, argv)) return true;
    // A start that fails once wx has made its stock lists leaves them
    // behind, and the next try makes new ones.
    wxDeleteStockLists();
    wxDELETE(wxTheColourDatabase);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
  }
  return false;
}

class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    // The Japanese tests check the Japanese texts whatever the desktop's
    // language; the English ones run on their own (ui_english), and the
    // screenshots are taken in the language asked for.
    const std::string filter = ::testing::GTEST_FLAG(filter);
    if (filter.rfind("English", 0) != 0 && filter.rfind("Screenshots", 0) != 0 &&
        DesktopLanguage() != Language::kJapanese)
      setenv("LC_ALL", "C.UTF-8", 1);
    settingsDir = std::make_unique<TempDir>();
    setenv("LISTORA_INI", SettingsPath().c_str(), 1);
    auto scripted = std::make_unique<ScriptedPrompt>();
    prompt = scripted.get();
    InstallPrompt(std::move(scripted));

    delete wxLog::SetActiveTarget(new wxLogStderr);
    if (!StartWx()) {
      std::fprintf(stderr, "wx did not start (is there a display?)\n");
      std::abort();
    }
    if (!wxTheApp->CallOnInit()) {
      std::fprintf(stderr, "the application did not start\n");
      std::abort();
    }
    Pump();
  }

  void TearDown() override {
    if (MainFrame* frame = App().Frame()) {
      App().DocManager()->Clear(true);
      frame->Destroy();
    }
    Pump();
    wxTheApp->OnExit();
    wxEntryCleanup();
    settingsDir.reset();
  }
};

const ::testing::Environment* const registered =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace

ScriptedPrompt& Script() { return *prompt; }
ListoraApp& App() { return TheApp(); }
std::filesystem::path SettingsPath() { return settingsDir->path() / "Listora.ini"; }

ListoraDoc& CurrentDoc() {
  return *static_cast<ListoraDoc*>(App().DocManager()->GetCurrentDocument());
}

void StartFresh() {
  std::filesystem::remove(SettingsPath());
  App().Program().chosenFolder.clear();
  if (wxDocument* doc = App().DocManager()->GetCurrentDocument()) doc->Modify(false);
  App().DocManager()->CreateDocument(wxString(), wxDOC_NEW);
  Pump();
  Script().Reset();
}

void Pump() {
  for (int i = 0; i < 5; ++i) {
    wxTheApp->ProcessPendingEvents();
    wxTheApp->Yield(true);
  }
}

void SendCommand(int id, wxWindow* target) {
  wxCommandEvent event(wxEVT_MENU, id);
  (target ? target : App().Frame())->ProcessWindowEvent(event);
  Pump();
}

bool PumpUntil(const std::function<bool()>& done, int limitMs) {
  const wxLongLong until = wxGetLocalTimeMillis() + limitMs;
  while (!done() && wxGetLocalTimeMillis() < until) {
    Pump();
    wxMilliSleep(10);
  }
  return done();
}

}  // namespace listora::test
