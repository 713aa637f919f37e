#include "core/app/desktop_integration.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

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

bool WriteText(const fs::path& file, const std::string& text) {
  std::error_code ec;
  fs::create_directories(file.parent_path(), ec);
  return WriteFileAtomically(file, text);
}

bool Remove(const fs::path& file) {
  std::error_code ec;
  return fs::remove(file, ec);
}

// Removes the default-program line that "xdg-mime default" added for our
// type from mimeapps.list, leaving every other line alone.
void ForgetDefault(const DesktopPaths& paths) {
  const fs::path list = paths.configHome / "mimeapps.list";
  const auto bytes = ReadFileBytes(list);
  if (!bytes) return;
  const std::string ours = std::string(kMimeType) + "=" + kAppEntryName;
  std::string out;
  bool changed = false;
  std::size_t from = 0;
  while (from < bytes->size()) {
    std::size_t end = bytes->find('\n', from);
    end = end == std::string::npos ? bytes->size() : end + 1;
    std::string_view line(bytes->data() + from, end - from);
    std::string_view bare = line;
    while (!bare.empty() && (bare.back() == '\n' || bare.back() == '\r')) bare.remove_suffix(1);
    if (bare == ours) {
      changed = true;
    } else {
      out.append(line);
    }
    from = end;
  }
  if (changed) WriteFileAtomically(list, out);
}

void RefreshCaches(const DesktopPaths& paths, const HelperRunner& run) {
  run({"update-mime-database", (paths.dataHome / "mime").string()});
  run({"update-desktop-database", (paths.dataHome / "applications").string()});
}

std::string Entry(std::string_view name, std::string_view comment, const std::string& exec,
                  std::string_view extra) {
  std::string text = "[Desktop Entry]\nType=Application\nName=";
  text.append(name).append("\nComment=").append(comment);
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
         "    <magic priority=\"50\">\n"
         "      <match type=\"string\" offset=\"0\" value=\"LT\"/>\n"
         "    </magic>\n"
         "  </mime-type>\n"
         "</mime-info>\n";
}

std::string AppEntry(const std::string& exec) {
  return Entry("Listora", msg::kAppEntryComment, exec + " %f",
               "MimeType=application/x-listora;\nCategories=Office;\n");
}

std::string LauncherEntry(const fs::path& executable) {
  return Entry("Listora", msg::kAppEntryComment, ExecArgument(executable.string()),
               "Path=" + executable.parent_path().string() + "\n");
}

fs::path MimePackageFile(const DesktopPaths& p) {
  return p.dataHome / "mime" / "packages" / "listora.xml";
}
fs::path AppEntryFile(const DesktopPaths& p) { return p.dataHome / "applications" / kAppEntryName; }
fs::path LauncherFile(const DesktopPaths& p) { return p.desktop / kAppEntryName; }

void Associate(const DesktopPaths& paths, const HelperRunner& run) {
  if (Exists(MimePackageFile(paths))) return;
  if (!WriteText(MimePackageFile(paths), MimePackageXml())) return;
  WriteText(AppEntryFile(paths), AppEntry(ExecArgument(paths.executable.string())));
  RefreshCaches(paths, run);
  run({"xdg-mime", "default", kAppEntryName, std::string(kMimeType)});
}

void Dissociate(const DesktopPaths& paths, const HelperRunner& run) {
  if (!Exists(MimePackageFile(paths))) return;
  Remove(MimePackageFile(paths));
  Remove(AppEntryFile(paths));
  ForgetDefault(paths);
  RefreshCaches(paths, run);
}

void CreateLauncher(const DesktopPaths& paths, const HelperRunner& run) {
  const fs::path file = LauncherFile(paths);
  if (Exists(file) || !WriteText(file, LauncherEntry(paths.executable))) return;
  std::error_code ec;
  // Desktops start only launchers that are executable, and some only
  // trusted ones.
  fs::permissions(file, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::add, ec);
  run({"gio", "set", file.string(), "metadata::trusted", "true"});
}

bool DeleteLauncher(const DesktopPaths& paths) { return Remove(LauncherFile(paths)); }

}  // namespace listora
