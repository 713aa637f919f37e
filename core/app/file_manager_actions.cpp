#include "core/app/file_manager_actions.h"

#include <system_error>

#include "core/base/messages.h"

namespace listora {

namespace fs = std::filesystem;

namespace {

std::string DolphinServiceMenu(const fs::path& executable) {
  std::string text =
      "[Desktop Entry]\n"
      "Type=Service\n"
      "X-KDE-ServiceTypes=KonqPopupMenu/Plugin\n"
      "MimeType=all/all;\n"
      "Actions=import;\n"
      "\n"
      "[Desktop Action import]\n"
      "Name=";
  text.append(msg::kImportEntryName);
  text.append("\nIcon=listora\nExec=").append(ExecArgument(executable.string()));
  text.append(" -D %F\n");
  return text;
}

// Nautilus runs its scripts in the folder shown, with the selection's names
// as arguments.
std::string NautilusScript(const fs::path& executable) {
  std::string text = "#!/bin/sh\n# ";
  text.append(msg::kImportEntryComment);
  text.append("\nexec ").append(ShellQuoted(executable.string())).append(" -D \"$@\"\n");
  return text;
}

// Nemo puts the selected paths into the command line and splits it as a
// shell would; each path in double quotes (which Nemo escapes the inside
// of) stays one argument, spaces and all.
std::string NemoAction(const fs::path& executable) {
  std::string text = "[Nemo Action]\nName=";
  text.append(msg::kImportEntryName);
  text.append("\nComment=").append(msg::kImportEntryComment);
  text.append("\nExec=").append(ShellQuoted(executable.string())).append(" -D %F\n");
  text.append(
      "Quote=double\n"
      "Icon-Name=listora\n"
      "Selection=notnone\n"
      "Extensions=any;\n");
  return text;
}

bool RemoveFormerEntry(const DesktopPaths& paths, const HelperRunner& run) {
  std::error_code ec;
  if (!fs::remove(FormerActionEntryFile(paths), ec)) return false;
  run({"update-desktop-database", (paths.dataHome / "applications").string()});
  return true;
}

}  // namespace

std::string ShellQuoted(std::string_view arg) {
  std::string out = "'";
  for (char c : arg) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  out += '\'';
  return out;
}

std::vector<FileManagerAction> FileManagerActions(const DesktopPaths& paths) {
  const fs::path& data = paths.dataHome;
  const std::string name(msg::kImportEntryName);
  return {
      {data / "kio" / "servicemenus" / "listora-import.desktop",
       DolphinServiceMenu(paths.executable), true},
      {data / "nautilus" / "scripts" / name, NautilusScript(paths.executable), true},
      {data / "nemo" / "actions" / "listora-import.nemo_action", NemoAction(paths.executable),
       false},
  };
}

fs::path FormerActionEntryFile(const DesktopPaths& paths) {
  return paths.dataHome / "applications" / "listora-import.desktop";
}

void CreateFileManagerActions(const DesktopPaths& paths, const HelperRunner& run) {
  for (const FileManagerAction& action : FileManagerActions(paths)) {
    std::error_code ec;
    if (fs::exists(action.file, ec)) continue;
    if (!WriteIntegrationFile(paths, paths.dataHome, action.file, action.text) ||
        !action.executable)
      continue;
    fs::permissions(action.file,
                    fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add, ec);
  }
  RemoveFormerEntry(paths, run);
}

bool DeleteFileManagerActions(const DesktopPaths& paths, const HelperRunner& run) {
  bool deleted = false;
  for (const FileManagerAction& action : FileManagerActions(paths))
    deleted |= RemoveIntegrationFile(paths, action.file);
  return RemoveFormerEntry(paths, run) || deleted;
}

}  // namespace listora
