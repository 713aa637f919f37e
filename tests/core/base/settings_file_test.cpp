#include "core/base/settings_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "support/test_support.h"

namespace listora {
namespace {

using test::ReadAll;
using test::Sj;
using test::WriteAll;

std::string WithBreaks(std::string_view text, std::string_view lineBreak) {
  std::string out;
  for (char c : text) out += c == '\n' ? lineBreak : std::string_view(&c, 1);
  return out;
}

TEST(SettingsFileTest, MissingFileReadsDefaultsAndFirstWriteCreatesIt) {
  test::TempDir dir;
  SettingsFile settingsFile(dir / "Listora.ini");
  EXPECT_EQ(settingsFile.GetInt("Main", "SizeWidth", 800), 800);
  EXPECT_EQ(settingsFile.GetString("Auto", "Kaku", "*"), "*");
  EXPECT_FALSE(std::filesystem::exists(settingsFile.File()));

  ASSERT_TRUE(settingsFile.WriteInt("Main", "SizeMax", 2));
  ASSERT_TRUE(settingsFile.WriteString("Auto", "Kaku", "*.jpg"));
  EXPECT_EQ(ReadAll(settingsFile.File()), "[Main]\r\nSizeMax=2\r\n[Auto]\r\nKaku=*.jpg\r\n");
  EXPECT_EQ(settingsFile.GetInt("main", "SIZEMAX", 0), 2);
}

TEST(SettingsFileTest, HandWrittenFileReadsAsThePlatformReaderDoes) {
  const std::string text =
      "; written by hand\n"
      "[ view ]\n"
      "  LIST = 0 \n"
      "split1=abc\n"
      "Split2=  -42xyz\n"
      "Split3=99999999999\n"
      "Prev=-99999999999\n"
      ";Prev=0\n"
      "Quoted=\" 12\"\n"
      "[Auto]\n"
      "RenTxt=\"  Sample * \"\n"
      "Kaku='*.jpg'\n"
      "FolName=\"C:\\\n"
      "Empty=\n"
      "[Kana]\n" +
      Sj("ア") + "=1\n" +
      "[AUTO]\n"
      "Sub=1\n";
  for (std::string_view lineBreak : {"\n", "\r\n"}) {
    SCOPED_TRACE(lineBreak.size() == 1 ? "LF" : "CRLF");
    test::TempDir dir;
    WriteAll(dir / "Listora.ini", WithBreaks(text, lineBreak));
    const SettingsFile settingsFile(dir / "Listora.ini");
    EXPECT_EQ(settingsFile.GetInt("View", "List", 1), 0);
    EXPECT_EQ(settingsFile.GetInt("View", "Split1", 7000), 0);
    EXPECT_EQ(settingsFile.GetInt("View", "Split2", 7000), -42);
    EXPECT_EQ(settingsFile.GetInt("View", "Split3", 6000),
              std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(settingsFile.GetInt("View", "Prev", 1), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(settingsFile.GetInt("View", "Quoted", 0), 12);
    EXPECT_EQ(settingsFile.GetString("Auto", "RenTxt", ""), "  Sample * ");
    EXPECT_EQ(settingsFile.GetString("Auto", "Kaku", ""), "*.jpg");
    EXPECT_EQ(settingsFile.GetString("Auto", "FolName", ""), "\"C:\\");
    EXPECT_EQ(settingsFile.GetString("Auto", "Empty", "d"), "");
    EXPECT_EQ(settingsFile.GetInt("Auto", "Empty", 7), 7);
    // Only the first section of a name counts.
    EXPECT_EQ(settingsFile.GetInt("Auto", "Sub", 0), 0);
    // ア (83 41) and ヂ (83 61) differ only in a trail byte's ASCII case.
    EXPECT_EQ(settingsFile.GetInt("Kana", Sj("ア"), 5), 1);
    EXPECT_EQ(settingsFile.GetInt("Kana", Sj("ヂ"), 5), 5);
  }
}

TEST(SettingsFileTest, WritingAKeyKeepsEveryOtherByte) {
  test::TempDir dir;
  const auto file = dir / "Listora.ini";
  SettingsFile settingsFile(file);

  WriteAll(file, "; keep\r\n[VIEW]\r\n  list = 1 ;x\r\nSplit1 = 7000\r\n\r\n[Other]\nICON=1\n");
  ASSERT_TRUE(settingsFile.WriteInt("View", "SPLIT1", 5000));
  EXPECT_EQ(ReadAll(file),
            "; keep\r\n[VIEW]\r\n  list = 1 ;x\r\nSplit1=5000\r\n\r\n[Other]\nICON=1\n");
  ASSERT_TRUE(settingsFile.WriteInt("other", "icon", 0));
  EXPECT_EQ(ReadAll(file),
            "; keep\r\n[VIEW]\r\n  list = 1 ;x\r\nSplit1=5000\r\n\r\n[Other]\nICON=0\n");

  // A missing key goes after the section's last non-blank line.
  ASSERT_TRUE(settingsFile.WriteInt("View", "Split2", 6000));
  EXPECT_EQ(
      ReadAll(file),
      "; keep\r\n[VIEW]\r\n  list = 1 ;x\r\nSplit1=5000\r\nSplit2=6000\r\n\r\n[Other]\nICON=0\n");

  WriteAll(file, "[A]\nx=1");
  ASSERT_TRUE(settingsFile.WriteInt("A", "y", 2));
  EXPECT_EQ(ReadAll(file), "[A]\nx=1\r\ny=2\r\n");

  WriteAll(file, "[A]\nx=1");
  ASSERT_TRUE(settingsFile.WriteString("B", "k", "v"));
  EXPECT_EQ(ReadAll(file), "[A]\nx=1\r\n[B]\r\nk=v\r\n");
}

TEST(SettingsFileTest, ValuesReadBackAsWritten) {
  test::TempDir dir;
  SettingsFile settingsFile(dir / "Listora.ini");
  const std::string kanji = Sj("表示用ソフト");  // ソ ends in 0x5C
  for (const std::string& value :
       {std::string("  padded  "), std::string("\"q\""), std::string("'"), kanji, std::string()}) {
    ASSERT_TRUE(settingsFile.WriteString("S", "k", value));
    EXPECT_EQ(settingsFile.GetString("S", "k", "d"), value);
  }
  // A line break cannot be stored in one line.
  ASSERT_TRUE(settingsFile.WriteString("S", "k", "a\r\nb"));
  EXPECT_EQ(settingsFile.GetString("S", "k", ""), "a  b");
}

TEST(SettingsFileTest, AFileThatCannotBeReadIsNotOverwritten) {
  test::TempDir dir;
  std::filesystem::create_directory(dir / "Listora.ini");
  SettingsFile settingsFile(dir / "Listora.ini");
  EXPECT_FALSE(settingsFile.WriteInt("A", "b", 1));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "Listora.ini"));
}

TEST(SettingsFileTest, APreloadedFileIsReadOnceAndKeptUpToDateByWrites) {
  test::TempDir dir;
  WriteAll(dir / "a.ini", "[Main]\r\nPass=1\r\n");
  SettingsFile settingsFile(dir / "a.ini");
  ASSERT_TRUE(settingsFile.Preload());
  WriteAll(dir / "a.ini", "[Main]\r\nPass=2\r\n");  // not seen: read already
  EXPECT_EQ(settingsFile.GetInt("Main", "Pass", 0), 1);
  ASSERT_TRUE(settingsFile.WriteInt("Main", "Ango", 1));
  EXPECT_EQ(settingsFile.GetInt("Main", "Ango", 0), 1);
  EXPECT_EQ(ReadAll(dir / "a.ini"), "[Main]\r\nPass=1\r\nAngo=1\r\n");
}

TEST(SettingsFileTest, FilesThatNeverEndOrAreTooLargeAreNotRead) {
  test::TempDir dir;
  std::string big = "[Main]\r\nPass=1\r\n";
  big.resize(kMaxSettingsFileBytes + 1, ' ');
  WriteAll(dir / "big.ini", big);
  for (const std::filesystem::path& file : {dir / "big.ini", std::filesystem::path("/dev/zero")}) {
    SettingsFile settingsFile(file);
    FileError error;
    EXPECT_FALSE(settingsFile.Preload(&error)) << file;
    EXPECT_FALSE(error.what.empty());
    EXPECT_EQ(settingsFile.GetInt("Main", "Pass", 7), 7);
    EXPECT_FALSE(settingsFile.WriteInt("Main", "Pass", 2));
  }
}

TEST(SettingsFileTest, SettingsFileIsBesideTheExecutableOnlyWhenOneIsThere) {
  test::TempDir dir;
  {
    test::ScopedEnv ini("LISTORA_INI", (dir / "x.ini").string());
    EXPECT_EQ(SettingsFilePath(dir.path()), dir / "x.ini");
  }
  test::ScopedEnv ini("LISTORA_INI", std::nullopt);
  test::ScopedEnv home("HOME", (dir / "home").string());
  const auto userFile = dir / "home" / ".config" / "listora" / "Listora.ini";
  {
    // A writable folder of the executable without a settings file, as an
    // installed program run by root has, stays untouched.
    test::ScopedEnv xdg("XDG_CONFIG_HOME", (dir / "cfg").string());
    const auto file = dir / "cfg" / "listora" / "Listora.ini";
    EXPECT_EQ(SettingsFilePath(dir.path()), file);
    EXPECT_FALSE(std::filesystem::exists(dir / "Listora.ini"));
    // Only the writer's path makes the folder.
    EXPECT_FALSE(std::filesystem::exists(dir / "cfg"));
    EXPECT_EQ(WritableSettingsFilePath(dir.path()), file);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "cfg" / "listora"));
  }
  test::ScopedEnv xdg("XDG_CONFIG_HOME", "relative/ignored");
  EXPECT_EQ(SettingsFilePath(dir.path()), userFile);
  EXPECT_EQ(SettingsFilePath(dir / "no-such-folder"), userFile);

  // A portable copy brings its file.
  WriteAll(dir / "Listora.ini", "");
  EXPECT_EQ(SettingsFilePath(dir.path()), dir / "Listora.ini");
}

}  // namespace
}  // namespace listora
