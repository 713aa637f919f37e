#include "core/app/desktop_integration.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "core/app/made_folders.h"
#include "core/base/file_io.h"
#include "core/base/messages.h"

extern char** environ;

namespace listora {

namespace fs = std::filesystem;

namespace {

constexpr char kAppEntryName[] = "listora.desktop";

fs::path EnvPath(const char* name, const fs::path& fallback) {
  const char* value = std::getenv(name);
  // Desktops ignore an XDG folder variable that holds a relative path.
  if (value && *value == '/') return value;
  return fallback;
}

fs::path Home() {
  const char* home = std::getenv("HOME");
  return home && *home ? fs::path(home) : fs::path("/");
}

bool Exists(const fs::path& file) {
  std::error_code ec;
  return fs::exists(file, ec);
}

std::string_view Bare(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  return line;
}

// Removes the default-program line that "xdg-mime default" added for our
// type from mimeapps.list, and the section it added with it when nothing
// else is left in it, leaving every other line alone; a file left with
// nothing at all goes.
void ForgetDefault(const DesktopPaths& paths) {
  const fs::path list = paths.configHome / "mimeapps.list";
  const auto bytes = ReadFileBytes(list);
  if (!bytes) return;
  const std::string ours = std::string(kMimeType) + "=" + kAppEntryName;
  std::vector<std::string_view> lines;
  bool changed = false;
  for (std::size_t from = 0; from < bytes->size();) {
    const std::size_t end = std::min(bytes->find('\n', from), bytes->size() - 1) + 1;
    const std::string_view line(bytes->data() + from, end - from);
    if (Bare(line) == ours) {
      changed = true;
    } else {
      lines.push_back(line);
    }
    from = end;
  }
  if (!changed) return;
  const auto header = std::find_if(lines.begin(), lines.end(), [](std::string_view line) {
    return Bare(line) == "[Default Applications]";
  });
  if (header != lines.end()) {
    auto next = header + 1;
    while (next != lines.end() && Bare(*next).empty()) ++next;
    if (next == lines.end() || Bare(*next).starts_with('[')) lines.erase(header, next);
  }
  std::string out;
  for (std::string_view line : lines) out.append(line);
  if (out.find_first_not_of(" \t\r\n") == std::string::npos) {
    std::error_code ec;
    fs::remove(list, ec);
  } else {
    WriteFileAtomically(list, out);
  }
}

void RefreshCaches(const DesktopPaths& paths, const HelperRunner& run) {
  run({"update-mime-database", (paths.dataHome / "mime").string()});
  run({"update-desktop-database", (paths.dataHome / "applications").string()});
}

std::string Entry(const std::string& exec, std::string_view extra) {
  std::string text = "[Desktop Entry]\nType=Application\nName=Listora\nComment=";
  text.append(msg::kAppEntryCommentEnglish);
  text.append("\nComment[ja]=").append(msg::kAppEntryComment);
  text.append("\nKeywords=").append(msg::kAppEntryKeywords);
  text.append("\nKeywords[ja]=").append(msg::kAppEntryKeywordsJapanese);
  text.append("\nExec=").append(exec);
  text.append("\nIcon=listora\nTerminal=false\n").append(extra);
  return text;
}

}  // namespace

DesktopPaths UserDesktopPaths(const fs::path& executable, const fs::path& desktopDir) {
  DesktopPaths paths;
  paths.executable = executable;
  paths.dataHome = EnvPath("XDG_DATA_HOME", Home() / ".local" / "share");
  paths.configHome = EnvPath("XDG_CONFIG_HOME", Home() / ".config");
  paths.desktop = desktopDir.is_absolute() ? desktopDir : Home() / "Desktop";
  return paths;
}

void RunHelperIfInstalled(const std::vector<std::string>& argv) {
  if (argv.empty()) return;
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // The helpers' chatter is of no use to the user.
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int failed = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed) return;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
}

std::string ExecArgument(std::string_view arg) {
  // Reserved characters make an argument quoted; inside quotes ", `, $ and
  // \ take a backslash, and the entry's string escaping, which is undone
  // first, doubles every backslash. A "%" would start a field code.
  constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
  const bool quoted = arg.empty() || arg.find_first_of(kReserved) != std::string_view::npos;
  std::string out = quoted ? "\"" : "";
  for (char c : arg) {
    if (c == '"' || c == '`' || c == '$') {
      out += "\\\\";
    } else if (c == '\\') {
      out += "\\\\\\";
    } else if (c == '%') {
      out += '%';
    }
    out += c;
  }
  if (quoted) out += '"';
  return out;
}

std::string MimePackageXml() {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
         "  <mime-type type=\"application/x-listora\">\n"
         "    <comment>Listora document</comment>\n"
         "    <comment xml:lang=\"ja\">" +
         std::string(msg::kDocumentKind) +
         "</comment>\n"
         "    <glob pattern=\"*.ltb\"/>\n"
         // The magic and the format version that follows it: a text that
         // happens to begin with "LT" is no document. Below priority 80 the
         // name's glob decides wherever there is one.
         "    <magic priority=\"50\">\n"
         "      <match type=\"string\" offset=\"0\" value=\"LT\\x01\"/>\n"
         "    </magic>\n"
         "  </mime-type>\n"
         "</mime-info>\n";
}

std::string AppEntry(const std::string& exec) {
  return Entry(exec + " %f", "MimeType=application/x-listora;\nCategories=Office;\n");
}

std::string LauncherEntry(const fs::path& executable) {
  return Entry(ExecArgument(executable.string()),
               "Path=" + executable.parent_path().string() + "\n");
}

fs::path MadeFoldersNote(const DesktopPaths& p) { return p.dataHome / "listora" / "made-folders"; }

bool WriteIntegrationFile(const DesktopPaths& paths, const fs::path& root, const fs::path& file,
                          const std::string& text) {
  return MakeNotedFolders(MadeFoldersNote(paths), root, file.parent_path()) &&
         WriteFileAtomically(file, text);
}

bool RemoveIntegrationFile(const DesktopPaths& paths, const fs::path& file) {
  std::error_code ec;
  if (!fs::remove(file, ec)) return false;
  RemoveNotedFolders(MadeFoldersNote(paths), file.parent_path());
  return true;
}

fs::path MimePackageFile(const DesktopPaths& p) {
  return p.dataHome / "mime" / "packages" / "listora.xml";
}
fs::path AppEntryFile(const DesktopPaths& p) { return p.dataHome / "applications" / kAppEntryName; }
fs::path LauncherFile(const DesktopPaths& p) { return p.desktop / kAppEntryName; }

void Associate(const DesktopPaths& paths, const HelperRunner& run) {
  if (Exists(MimePackageFile(paths))) return;
  if (!WriteIntegrationFile(paths, paths.dataHome, MimePackageFile(paths), MimePackageXml()))
    return;
  WriteIntegrationFile(paths, paths.dataHome, AppEntryFile(paths),
                       AppEntry(ExecArgument(paths.executable.string())));
  RefreshCaches(paths, run);
  run({"xdg-mime", "default", kAppEntryName, std::string(kMimeType)});
}

void Dissociate(const DesktopPaths& paths, const HelperRunner& run) {
  if (!Exists(MimePackageFile(paths))) return;
  RemoveIntegrationFile(paths, MimePackageFile(paths));
  RemoveIntegrationFile(paths, AppEntryFile(paths));
  ForgetDefault(paths);
  RefreshCaches(paths, run);
}

void CreateLauncher(const DesktopPaths& paths, const HelperRunner& run) {
  const fs::path file = LauncherFile(paths);
  if (Exists(file) || !WriteIntegrationFile(paths, paths.desktop.parent_path(), file,
                                            LauncherEntry(paths.executable)))
    return;
  std::error_code ec;
  // Desktops start only launchers that are executable, and some only
  // trusted ones.
  fs::permissions(file, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::add, ec);
  run({"gio", "set", file.string(), "metadata::trusted", "true"});
}

bool DeleteLauncher(const DesktopPaths& paths) {
  return RemoveIntegrationFile(paths, LauncherFile(paths));
}

}  // namespace listora
