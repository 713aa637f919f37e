#include "core/app/desktop_integration.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/test_support.h"

namespace listora {
namespace {

namespace fs = std::filesystem;
using Calls = std::vector<std::vector<std::string>>;

struct Desk {
  test::TempDir home;
  DesktopPaths paths;
  Calls calls;
  HelperRunner run = [this](const std::vector<std::string>& argv) { calls.push_back(argv); };

  Desk() {
    paths.executable = "/opt/My Apps/listora";
    paths.dataHome = home / "data";
    paths.configHome = home / "config";
    paths.desktop = home / "デスクトップ";
    fs::create_directories(paths.configHome);
    fs::create_directories(paths.dataHome / "applications");
  }
};

// desktop-file-validate's verdict where it is installed; true elsewhere.
bool ValidEntry(const fs::path& file) {
  if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0) return true;
  return std::system(("desktop-file-validate '" + file.string() + "'").c_str()) == 0;
}

TEST(DesktopIntegrationTest, AssociationWritesTypeAndEntryOnceAndRemovalUndoesIt) {
  Desk d;
  test::WriteAll(d.paths.configHome / "mimeapps.list",
                 "[Default Applications]\ntext/plain=editor.desktop\n");
  test::WriteAll(d.paths.dataHome / "applications" / "other.desktop", "kept");

  Associate(d.paths, d.run);
  const std::string xml = test::ReadAll(MimePackageFile(d.paths));
  EXPECT_NE(xml.find("type=\"application/x-listora\""), std::string::npos);
  EXPECT_NE(xml.find("<glob pattern=\"*.ltb\"/>"), std::string::npos);
  const std::string entry = test::ReadAll(AppEntryFile(d.paths));
  EXPECT_NE(entry.find("\nExec=\"/opt/My Apps/listora\" %f\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nMimeType=application/x-listora;\n"), std::string::npos);
  EXPECT_TRUE(ValidEntry(AppEntryFile(d.paths)));
  const std::string apps = (d.paths.dataHome / "applications").string();
  EXPECT_EQ(d.calls, (Calls{{"update-mime-database", (d.paths.dataHome / "mime").string()},
                            {"update-desktop-database", apps},
                            {"xdg-mime", "default", "listora.desktop", "application/x-listora"}}));

  // Registered already (say by a copy elsewhere): nothing is rewritten.
  test::WriteAll(AppEntryFile(d.paths), "Exec=/old/listora %f\n");
  d.calls.clear();
  Associate(d.paths, d.run);
  EXPECT_EQ(test::ReadAll(AppEntryFile(d.paths)), "Exec=/old/listora %f\n");
  EXPECT_TRUE(d.calls.empty());

  // What xdg-mime default adds is taken out again, and nothing else; the
  // folders made for the type go, the one that was there stays.
  test::WriteAll(d.paths.configHome / "mimeapps.list",
                 "[Default Applications]\ntext/plain=editor.desktop\r\n"
                 "application/x-listora=listora.desktop\r\nimage/png=viewer.desktop\n");
  Dissociate(d.paths, d.run);
  EXPECT_FALSE(fs::exists(MimePackageFile(d.paths)));
  EXPECT_FALSE(fs::exists(AppEntryFile(d.paths)));
  EXPECT_EQ(test::ReadAll(d.paths.configHome / "mimeapps.list"),
            "[Default Applications]\ntext/plain=editor.desktop\r\nimage/png=viewer.desktop\n");
  EXPECT_EQ(test::ReadAll(d.paths.dataHome / "applications" / "other.desktop"), "kept");
  EXPECT_FALSE(fs::exists(d.paths.dataHome / "mime"));
  EXPECT_FALSE(fs::exists(MadeFoldersNote(d.paths).parent_path()));
  ASSERT_FALSE(d.calls.empty());
  EXPECT_EQ(d.calls.back(), (std::vector<std::string>{"update-desktop-database", apps}));

  // Not registered: removal touches nothing.
  d.calls.clear();
  Dissociate(d.paths, d.run);
  EXPECT_TRUE(d.calls.empty());

  // The section xdg-mime added goes with its only line, other sections stay,
  // and a list left with nothing goes.
  const struct {
    std::string before, after;
  } lists[] = {
      {"[Added Associations]\ntext/plain=a.desktop;\n\n[Default Applications]\n"
       "application/x-listora=listora.desktop\n\n",
       "[Added Associations]\ntext/plain=a.desktop;\n\n"},
      {"[Default Applications]\r\napplication/x-listora=listora.desktop\r\n"
       "[Added Associations]\r\nx/y=z.desktop;\r\n",
       "[Added Associations]\r\nx/y=z.desktop;\r\n"},
      {"[Default Applications]\n# mine\napplication/x-listora=listora.desktop\n",
       "[Default Applications]\n# mine\n"},
  };
  const fs::path list = d.paths.configHome / "mimeapps.list";
  for (const auto& c : lists) {
    Associate(d.paths, d.run);
    test::WriteAll(list, c.before);
    Dissociate(d.paths, d.run);
    EXPECT_EQ(test::ReadAll(list), c.after);
  }
  Associate(d.paths, d.run);
  test::WriteAll(list, "[Default Applications]\napplication/x-listora=listora.desktop\n");
  Dissociate(d.paths, d.run);
  EXPECT_FALSE(fs::exists(list));
}

TEST(DesktopIntegrationTest, LauncherIsCreatedOnceAndDeleted) {
  Desk d;
  ASSERT_FALSE(fs::exists(d.paths.desktop));
  CreateLauncher(d.paths, d.run);
  const fs::path launcher = LauncherFile(d.paths);
  ASSERT_TRUE(fs::exists(launcher));
  EXPECT_NE(fs::status(launcher).permissions() & fs::perms::owner_exec, fs::perms::none);
  EXPECT_NE(test::ReadAll(launcher).find("\nExec=\"/opt/My Apps/listora\"\n"), std::string::npos);
  EXPECT_NE(test::ReadAll(launcher).find("\nPath=/opt/My Apps\n"), std::string::npos);
  EXPECT_TRUE(ValidEntry(launcher));
  EXPECT_EQ(d.calls.at(0), (std::vector<std::string>{"gio", "set", launcher.string(),
                                                     "metadata::trusted", "true"}));

  // An existing shortcut is left as it is.
  test::WriteAll(launcher, "mine");
  CreateLauncher(d.paths, d.run);
  EXPECT_EQ(test::ReadAll(launcher), "mine");

  EXPECT_TRUE(DeleteLauncher(d.paths));
  EXPECT_FALSE(fs::exists(launcher));
  EXPECT_FALSE(DeleteLauncher(d.paths));
  // The desktop folder it made goes with it; one that holds something else
  // now, or that was there before, stays.
  EXPECT_FALSE(fs::exists(d.paths.desktop));
  CreateLauncher(d.paths, d.run);
  test::WriteAll(d.paths.desktop / "notes.txt", "mine");
  EXPECT_TRUE(DeleteLauncher(d.paths));
  EXPECT_TRUE(fs::exists(d.paths.desktop / "notes.txt"));
  fs::remove(d.paths.desktop / "notes.txt");
  CreateLauncher(d.paths, d.run);
  EXPECT_TRUE(DeleteLauncher(d.paths));
  EXPECT_TRUE(fs::is_directory(d.paths.desktop));
}

TEST(DesktopIntegrationTest, PathsComeFromTheEnvironmentAndExecArgumentsAreQuoted) {
  test::TempDir dir;
  test::ScopedEnv home("HOME", dir.path().string());
  test::ScopedEnv data("XDG_DATA_HOME", "relative/ignored");
  test::ScopedEnv config("XDG_CONFIG_HOME", (dir / "cfg").string());
  const DesktopPaths p = UserDesktopPaths("/usr/bin/listora", "");
  EXPECT_EQ(p.dataHome, dir / ".local" / "share");
  EXPECT_EQ(p.configHome, dir / "cfg");
  EXPECT_EQ(p.desktop, dir / "Desktop");
  EXPECT_EQ(UserDesktopPaths("/usr/bin/listora", "/home/u/Bureau").desktop, "/home/u/Bureau");

  EXPECT_EQ(ExecArgument("/usr/bin/listora"), "/usr/bin/listora");
  EXPECT_EQ(ExecArgument("/a b/$x\"`"), "\"/a b/\\\\$x\\\\\"\\\\`\"");
  EXPECT_EQ(ExecArgument("/a\\b"), "\"/a\\\\\\\\b\"");
  // A "%" is no field code.
  EXPECT_EQ(ExecArgument("/opt/100%/listora"), "/opt/100%%/listora");
  EXPECT_EQ(ExecArgument("/opt/100 %/listora"), "\"/opt/100 %%/listora\"");
}

// The type the desktop gives a file once the program's MIME package is
// installed, as GIO finds it; empty where GIO or the MIME tools are missing.
std::string TypeOf(const fs::path& dataHome, const fs::path& file) {
  if (std::system("command -v gio >/dev/null 2>&1 && "
                  "command -v update-mime-database >/dev/null 2>&1") != 0)
    return {};
  const fs::path out = file.string() + ".type";
  const std::string command = "XDG_DATA_HOME='" + dataHome.string() + "' gio info -a " +
                              "standard::content-type '" + file.string() + "' > '" + out.string() +
                              "'";
  if (std::system(command.c_str()) != 0) return {};
  const std::string info = test::ReadAll(out);
  const std::size_t at = info.find("standard::content-type: ");
  if (at == std::string::npos) return {};
  const std::size_t from = at + 24;
  return info.substr(from, info.find('\n', from) - from);
}

TEST(DesktopIntegrationTest, TheTypeClaimsDocumentsAndNoOtherFiles) {
  Desk d;
  // Only the MIME database is built; the user's own defaults stay untouched.
  Associate(d.paths, [](const std::vector<std::string>& argv) {
    if (argv[0] == "update-mime-database") RunHelperIfInstalled(argv);
  });
  if (!fs::exists(d.paths.dataHome / "mime" / "mime.cache")) GTEST_SKIP() << "no MIME tools";
  // A document's header: the magic, format version 1, revision 2.
  const std::string header = std::string("LT\x01\x02", 4) + std::string(96, '\0');
  const struct {
    std::string name, bytes, type;
  } files[] = {
      {"garden.ltb", header, "application/x-listora"},
      {"garden", header, "application/x-listora"},
      {"notes", "LTS notes\nplain text\n", "text/plain"},
      {"notes.ltb", "LTS notes\n", "application/x-listora"},
      {"header.txt", header, "text/plain"},
  };
  for (const auto& f : files) {
    test::WriteAll(d.home / f.name, f.bytes);
    const std::string type = TypeOf(d.paths.dataHome, d.home / f.name);
    if (type.empty()) GTEST_SKIP() << "gio cannot tell types here";
    EXPECT_EQ(type, f.type) << f.name;
  }
}

TEST(DesktopIntegrationTest, InstalledFilesAreTheOnesTheProgramWrites) {
  const fs::path data = fs::path(LISTORA_SOURCE_DIR) / "data";
  EXPECT_EQ(test::ReadAll(data / "listora.desktop"), AppEntry("listora"));
  EXPECT_EQ(test::ReadAll(data / "listora.xml"), MimePackageXml());
  EXPECT_TRUE(ValidEntry(data / "listora.desktop"));
}

}  // namespace
}  // namespace listora
