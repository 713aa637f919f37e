#pragma once
// The application's own commands: the settings dialog, the help page (F1),
// the about box and the update check.

#include <filesystem>

class wxCommandEvent;

namespace listora {

struct CommandScope;

void ShowSettings(CommandScope& scope, wxCommandEvent& event);
void ShowHelpPage(CommandScope& scope, wxCommandEvent& event);
void ShowAbout(CommandScope& scope, wxCommandEvent& event);
void CheckForUpdate(CommandScope& scope, wxCommandEvent& event);

// The help page of a program in `executableDir`: beside it (a build
// folder), else under ../share/listora (an installed program). Empty when
// neither exists.
std::filesystem::path HelpPage(const std::filesystem::path& executableDir);

}  // namespace listora
