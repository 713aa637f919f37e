#pragma once
// The program's place on a freedesktop desktop, for the current user only
// (nothing system-wide, no root): the ".ltb" file type and its default
// program, and a launcher on the desktop (the import entry is in
// file_manager_actions.h). Each action writes its files and runs the desktop's
// cache tools where they are installed; removal takes away exactly what was
// added.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace listora {

struct DesktopPaths {
  std::filesystem::path executable;  // absolute path of the program
  std::filesystem::path dataHome;    // $XDG_DATA_HOME, else ~/.local/share
  std::filesystem::path configHome;  // $XDG_CONFIG_HOME, else ~/.config
  std::filesystem::path desktop;     // the user's desktop folder
};

// The paths of the running user from the environment; the desktop folder is
// what `desktopDir` (the answer of xdg-user-dir DESKTOP, may be empty)
// says, else ~/Desktop.
DesktopPaths UserDesktopPaths(const std::filesystem::path& executable,
                              const std::filesystem::path& desktopDir);

// Runs a helper program (argv[0] looked up in PATH) and waits for it;
// a helper that is not installed is skipped.
using HelperRunner = std::function<void(const std::vector<std::string>& argv)>;
void RunHelperIfInstalled(const std::vector<std::string>& argv);

inline constexpr std::string_view kMimeType = "application/x-listora";

// File texts (UTF-8). `exec` is the program as the Exec line names it.
std::string MimePackageXml();
std::string AppEntry(const std::string& exec);
std::string LauncherEntry(const std::filesystem::path& executable);
// An Exec argument quoted as the desktop entry format wants it, "%" doubled.
std::string ExecArgument(std::string_view arg);

// Where the actions write.
std::filesystem::path MimePackageFile(const DesktopPaths& paths);
// The note of the folders the actions made (core/app/made_folders.h).
std::filesystem::path MadeFoldersNote(const DesktopPaths& paths);
// Writes `file` below `root`, noting the folders made for it.
bool WriteIntegrationFile(const DesktopPaths& paths, const std::filesystem::path& root,
                          const std::filesystem::path& file, const std::string& text);
// Removes `file`, and the folders made for it that are then empty; true
// when the file was there.
bool RemoveIntegrationFile(const DesktopPaths& paths, const std::filesystem::path& file);
std::filesystem::path AppEntryFile(const DesktopPaths& paths);
std::filesystem::path LauncherFile(const DesktopPaths& paths);

// "関連付けする": nothing is written when the file type is registered
// already (by this or another copy of the program).
void Associate(const DesktopPaths& paths, const HelperRunner& run);
// "関連付けをはずす": only when the file type is registered. The program's
// default line goes from mimeapps.list, and its section with it when nothing
// else is left in it.
void Dissociate(const DesktopPaths& paths, const HelperRunner& run);

// "作成": a file already there is left as it is.
void CreateLauncher(const DesktopPaths& paths, const HelperRunner& run);
// "削除": true when the file was there and is gone.
bool DeleteLauncher(const DesktopPaths& paths);

}  // namespace listora
