#pragma once
// The program speaks the desktop's language (core/base/language.h): its own
// texts from its catalogue, the toolkit's (the buttons of its file choosers
// and other dialogs) from the toolkit's catalogue of the same language, and
// the program's message boxes name their buttons themselves.

#include <filesystem>

#include "core/base/language.h"

class wxMessageDialog;

namespace listora {

// Once at start-up, before any window: the catalogues beside the program in
// `exeDir`, installed or in the build tree. Without the toolkit's Japanese
// catalogue installed its texts stay English.
void UseProgramLanguage(Language language, const std::filesystem::path& exeDir);

// Yes / No / Cancel / OK in the program's language on whichever of them the
// box shows.
void SetButtonLabels(wxMessageDialog& dialog);

}  // namespace listora
