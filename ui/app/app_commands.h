#pragma once
// The application's own commands on the main window: the settings dialog,
// the help page (F1), the about box and the update check.

#include <filesystem>
#include <string>

class wxFrame;

namespace listora {

class Profile;

void BindAppCommands(wxFrame& frame);

// The help page of a program in `executableDir`: beside it (a build
// folder), else under ../share/listora (an installed program). Empty when
// neither exists.
std::filesystem::path HelpPage(const std::filesystem::path& executableDir);

}  // namespace listora
