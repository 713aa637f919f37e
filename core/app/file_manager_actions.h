#pragma once
// The import entry "Listora(取り込み)": the program started with "-D" and
// the files and folders selected in a file manager, which become the items
// of a new document. It is offered where file managers put actions on a
// selection (a Dolphin service menu, a Nautilus script, a Nemo action) and
// never as a program for a file type, so it cannot become the default
// program of any type.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/desktop_integration.h"

namespace listora {

struct FileManagerAction {
  std::filesystem::path file;
  std::string text;  // UTF-8
  bool executable;   // the file manager runs or reads it only so
};

// One file per file manager, under `paths.dataHome`.
std::vector<FileManagerAction> FileManagerActions(const DesktopPaths& paths);

// The entry earlier versions wrote among the programs, which declared the
// types of every file and folder.
std::filesystem::path FormerActionEntryFile(const DesktopPaths& paths);

// "作成": writes each file that is not there yet (one that is stays as it
// is) and takes away the former entry.
void CreateFileManagerActions(const DesktopPaths& paths, const HelperRunner& run);
// "削除": true when at least one of the files, the former entry included,
// was there and is gone.
bool DeleteFileManagerActions(const DesktopPaths& paths, const HelperRunner& run);

// `arg` as one word of the POSIX shell (and of GLib's command-line parser).
std::string ShellQuoted(std::string_view arg);

}  // namespace listora
