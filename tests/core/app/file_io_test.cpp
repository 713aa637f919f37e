#include "core/app/file_io.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace listora {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

mode_t Mode(const fs::path& file) {
  struct stat info {};
  stat(file.c_str(), &info);
  return info.st_mode & 07777;
}

TEST(FileIoTest, WritesReadsAndReplacesWholeFiles) {
  test::TempDir dir;
  const fs::path file = dir / "a.ltb";
  std::string bytes(200000, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);

  ASSERT_TRUE(WriteFileAtomically(file, bytes));
  EXPECT_EQ(ReadFileBytes(file), bytes);
  ASSERT_TRUE(WriteFileAtomically(file, "short"));
  EXPECT_EQ(ReadFileBytes(file), "short");
  ASSERT_TRUE(WriteFileAtomically(file, ""));
  EXPECT_EQ(ReadFileBytes(file), "");
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"a.ltb"});
}

TEST(FileIoTest, KeepsPermissionsOfTheOldFileAndUsesTheUmaskForNewOnes) {
  test::TempDir dir;
  const mode_t mask = umask(027);
  ASSERT_TRUE(WriteFileAtomically(dir / "new", "x"));
  EXPECT_EQ(Mode(dir / "new"), 0640u);

  test::WriteAll(dir / "old", "x");
  chmod((dir / "old").c_str(), 0604);
  ASSERT_TRUE(WriteFileAtomically(dir / "old", "y"));
  EXPECT_EQ(Mode(dir / "old"), 0604u);
  umask(mask);
}

TEST(FileIoTest, WritesThroughALinkAndKeepsTheLink) {
  test::TempDir dir;
  test::WriteAll(dir / "real", "old");
  fs::create_symlink("real", dir / "link");
  ASSERT_TRUE(WriteFileAtomically(dir / "link", "new"));
  EXPECT_TRUE(fs::is_symlink(dir / "link"));
  EXPECT_EQ(test::ReadAll(dir / "real"), "new");
}

TEST(FileIoTest, FailedWritesLeaveTheOldFileAndNoTemporaryFile) {
  test::TempDir dir;
  FileError error;

  fs::create_directory(dir / "folder");
  test::WriteAll(dir / "folder" / "inside", "kept");
  EXPECT_FALSE(WriteFileAtomically(dir / "folder", "new", &error));
  EXPECT_NE(error.what.find((dir / "folder").string()), std::string::npos);
  EXPECT_EQ(test::ReadAll(dir / "folder" / "inside"), "kept");

  test::WriteAll(dir / "plain", "old");
  error = {};
  EXPECT_FALSE(WriteFileAtomically(dir / "plain" / "child", "new", &error));
  EXPECT_NE(error.what.find((dir / "plain" / "child").string()), std::string::npos);
  EXPECT_NE(error.what.find("Not a directory"), std::string::npos);

  // A file-size limit makes the write itself fail, even for root.
  test::WriteAll(dir / "doc", "old contents");
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit small{4, limit.rlim_max};
  setrlimit(RLIMIT_FSIZE, &small);
  const bool written = WriteFileAtomically(dir / "doc", "much longer new contents", &error);
  setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(written);
  EXPECT_EQ(test::ReadAll(dir / "doc"), "old contents");

  EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"doc", "folder", "plain"}));
}

TEST(FileIoTest, ReadFailuresNameThePath) {
  test::TempDir dir;
  FileError error;
  EXPECT_FALSE(ReadFileBytes(dir / "missing", &error));
  EXPECT_NE(error.what.find((dir / "missing").string()), std::string::npos);
  EXPECT_FALSE(ReadFileBytes(dir.path(), &error));

  // The check without reading agrees.
  EXPECT_FALSE(CanReadFile(dir / "missing", &error));
  EXPECT_NE(error.what.find((dir / "missing").string()), std::string::npos);
  EXPECT_FALSE(CanReadFile(dir.path()));
  test::WriteAll(dir / "there", "x");
  EXPECT_TRUE(CanReadFile(dir / "there"));
}

}  // namespace
}  // namespace listora
