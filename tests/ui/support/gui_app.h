#pragma once
// The test process's running application: started once under Xvfb before
// the first test, with the settings file in a temporary folder and the
// scripted prompt installed.

#include <wx/string.h>

#include <filesystem>
#include <functional>

class wxWindow;

namespace listora {
class ListoraApp;
class ListoraDoc;
}  // namespace listora

namespace listora::test {

class ScriptedPrompt;

// A text as the tests write it, UTF-8.
inline wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }

ScriptedPrompt& Script();
ListoraApp& App();
std::filesystem::path SettingsPath();
// Every test starts here: no settings file, no file chosen yet, an empty
// script, a new unmodified document.
void StartFresh();
ListoraDoc& CurrentDoc();
// Lets pending and deferred events run.
void Pump();
// Sends command `id` as a menu, tool bar or context menu does: to `target`,
// the main frame when none is given. Then pumps.
void SendCommand(int id, wxWindow* target = nullptr);
// Pumps until `done` holds or `limitMs` pass (two seconds by default); for
// what the X server answers in its own time, such as keyboard focus.
// Returns `done()`.
bool PumpUntil(const std::function<bool()>& done, int limitMs = 2000);

}  // namespace listora::test
