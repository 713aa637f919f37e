#pragma once
// The test process's running application: started once under Xvfb before
// the first test, with the settings file in a temporary folder and the
// scripted prompt installed.

#include <filesystem>

namespace listora {
class CListoraApp;
class CListoraDoc;
}  // namespace listora

namespace listora::test {

class ScriptedPrompt;

ScriptedPrompt& Script();
CListoraApp& App();
std::filesystem::path SettingsFile();
// Every test starts here: no settings file, an empty script, a new
// unmodified document.
void StartFresh();
CListoraDoc& CurrentDoc();
// Lets pending and deferred events run.
void Pump();

}  // namespace listora::test
