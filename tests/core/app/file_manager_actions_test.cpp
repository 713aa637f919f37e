#include "core/app/file_manager_actions.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>

#include "support/test_support.h"

extern char** environ;

namespace listora {
namespace {

namespace fs = std::filesystem;
using Calls = std::vector<std::vector<std::string>>;

// Runs argv (no shell between) and waits; its exit status.
int Spawn(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The selection as Nemo puts it in place of %F under Quote=double: each
// path in double quotes with what is special inside them escaped, the paths
// separated by spaces.
std::string NemoSelection(const std::vector<std::string>& paths) {
  std::string out;
  for (const std::string& path : paths) {
    if (!out.empty()) out += ' ';
    out += '"';
    for (char c : path) {
      if (c == '"' || c == '\\' || c == '$' || c == '`') out += '\\';
      out += c;
    }
    out += '"';
  }
  return out;
}

// A command line split into arguments as GLib's shell parser splits it (Nemo
// runs its actions so): blanks end a word outside quotes, "#" at the start of
// a word comments out the rest of the line, '...' keeps every byte, "..."
// every byte but a backslash before " \ $ ` or a line break, and outside
// quotes a backslash keeps the next byte (and removes a line break). Nothing
// for a quote left open.
std::optional<std::vector<std::string>> GlibShellSplit(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\n') {
      if (inWord) words.push_back(std::exchange(word, {}));
      inWord = false;
    } else if (c == '#' && !inWord) {
      i = std::min(line.find('\n', i), line.size()) - 1;
    } else if (c == '\\') {
      inWord = true;
      if (++i < line.size() && line[i] != '\n') word += line[i];
    } else if (c == '\'' || c == '"') {
      inWord = true;
      for (++i; i < line.size() && line[i] != c; ++i) {
        const bool escape =
            c == '"' && line[i] == '\\' && i + 1 < line.size() &&
            std::string_view("\"\\$`\n").find(line[i + 1]) != std::string_view::npos;
        if (escape) ++i;
        if (!(escape && line[i] == '\n')) word += line[i];
      }
      if (i >= line.size()) return std::nullopt;
    } else {
      inWord = true;
      word += c;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

TEST(FileManagerActionsTest, EachFileManagerGetsItsFileAndNoFileTypeAProgram) {
  test::TempDir home;
  DesktopPaths paths;
  // A program folder with what shells and desktop entries quote.
  const fs::path bin = home / "it's \"$HOME\" `x` 100%";
  paths.executable = bin / "listora";
  paths.dataHome = home / "data";
  paths.configHome = home / "config";
  Calls calls;
  const HelperRunner run = [&calls](const std::vector<std::string>& argv) {
    calls.push_back(argv);
  };
  const fs::path apps = paths.dataHome / "applications";

  // What earlier versions put among the programs goes.
  fs::create_directories(apps);
  test::WriteAll(FormerActionEntryFile(paths), "[Desktop Entry]\nMimeType=inode/directory;\n");
  CreateFileManagerActions(paths, run);
  EXPECT_TRUE(fs::is_empty(apps));
  EXPECT_EQ(calls, (Calls{{"update-desktop-database", apps.string()}}));

  const std::vector<FileManagerAction> actions = FileManagerActions(paths);
  ASSERT_EQ(actions.size(), 3u);
  for (const FileManagerAction& action : actions) {
    EXPECT_EQ(test::ReadAll(action.file), action.text) << action.file;
    const bool executable =
        (fs::status(action.file).permissions() & fs::perms::owner_exec) != fs::perms::none;
    EXPECT_EQ(executable, action.executable) << action.file;
    // The name the file manager shows.
    EXPECT_NE((action.file.string() + action.text).find("Listora(取り込み)"), std::string::npos);
  }
  const std::string& dolphin = actions[0].text;
  EXPECT_EQ(actions[0].file, paths.dataHome / "kio" / "servicemenus" / "listora-import.desktop");
  EXPECT_NE(dolphin.find("\nMimeType=all/all;\nActions=import;\n"), std::string::npos);
  EXPECT_NE(dolphin.find("\nExec=" + ExecArgument(paths.executable.string()) + " -D %F\n"),
            std::string::npos);
  EXPECT_EQ(actions[1].file, paths.dataHome / "nautilus" / "scripts" / "Listora(取り込み)");
  const std::string& nemo = actions[2].text;
  EXPECT_EQ(actions[2].file, paths.dataHome / "nemo" / "actions" / "listora-import.nemo_action");
  EXPECT_TRUE(nemo.starts_with("[Nemo Action]\n"));
  EXPECT_NE(nemo.find("\nSelection=notnone\nExtensions=any;\n"), std::string::npos);

  // Run as their file managers run them, the Nautilus script and the Nemo
  // command hand the program "-D" and every selected name unchanged.
  fs::create_directories(bin);
  test::WriteAll(paths.executable, "#!/bin/sh\nfor a; do printf '%s\\n' \"$a\"; done >\"$OUT\"\n");
  fs::permissions(paths.executable, fs::perms::owner_all, fs::perm_options::add);
  test::ScopedEnv out("OUT", (home / "args").string());
  const std::vector<std::string> selected = {"a b.txt", "it's", "$HOME", "\\`x`"};
  std::vector<std::string> script = {actions[1].file.string()};
  script.insert(script.end(), selected.begin(), selected.end());
  ASSERT_EQ(Spawn(script), 0);
  const std::string passed = "-D\na b.txt\nit's\n$HOME\n\\`x`\n";
  EXPECT_EQ(test::ReadAll(home / "args"), passed);
  // Nemo quotes the paths it puts into the line only when told to.
  EXPECT_NE(nemo.find("\nQuote=double\n"), std::string::npos);
  const std::size_t exec = nemo.find("\nExec=") + 6;
  std::string command = nemo.substr(exec, nemo.find('\n', exec) - exec);
  const std::vector<std::string> nemoSelected = {"a b 日本語.txt", "フォルダ x y", "it's \"so\""};
  command.replace(command.find("%F"), 2, NemoSelection(nemoSelected));
  const auto argv = GlibShellSplit(command);
  ASSERT_TRUE(argv) << command;
  fs::remove(home / "args");
  ASSERT_EQ(Spawn(*argv), 0);
  EXPECT_EQ(test::ReadAll(home / "args"), "-D\na b 日本語.txt\nフォルダ x y\nit's \"so\"\n");

  // A file that is there already stays; deleting takes every one.
  test::WriteAll(actions[1].file, "mine");
  fs::remove(actions[2].file);
  calls.clear();
  CreateFileManagerActions(paths, run);
  EXPECT_EQ(test::ReadAll(actions[1].file), "mine");
  EXPECT_TRUE(fs::exists(actions[2].file));
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(DeleteFileManagerActions(paths, run));
  for (const FileManagerAction& action : actions) EXPECT_FALSE(fs::exists(action.file));
  EXPECT_FALSE(DeleteFileManagerActions(paths, run));
  // The folders made for them went with them; the one that was there stays.
  EXPECT_EQ(test::Names(paths.dataHome), std::vector<std::string>{"applications"});

  // A former entry alone still counts as deleted.
  test::WriteAll(FormerActionEntryFile(paths), "x");
  EXPECT_TRUE(DeleteFileManagerActions(paths, run));
  EXPECT_FALSE(fs::exists(FormerActionEntryFile(paths)));
}

TEST(FileManagerActionsTest, ShellQuotingKeepsEveryByte) {
  EXPECT_EQ(ShellQuoted("/usr/bin/listora"), "'/usr/bin/listora'");
  EXPECT_EQ(ShellQuoted("it's"), "'it'\\''s'");
  EXPECT_EQ(ShellQuoted(""), "''");
  // The model of GLib's parser the Nemo test relies on, on what it must get
  // right.
  const struct {
    std::string_view line;
    std::vector<std::string> words;
  } cases[] = {
      {"a  b\tc", {"a", "b", "c"}},
      {"'a \"b' \"c \\\" \\x $\" d\\ e", {"a \"b", "c \" \\x $", "d e"}},
      {"x'y'\"z\" # rest", {"xyz"}},
      {"a#b", {"a#b"}},
  };
  for (const auto& c : cases) EXPECT_EQ(GlibShellSplit(c.line), c.words) << c.line;
  EXPECT_FALSE(GlibShellSplit("'open"));
  EXPECT_FALSE(GlibShellSplit("\"open"));
}

}  // namespace
}  // namespace listora
