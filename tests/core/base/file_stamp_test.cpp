#include "core/base/file_stamp.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/base/file_io.h"
#include "support/test_support.h"

namespace listora {
namespace {

void SetModified(const std::filesystem::path& file, long nanoseconds) {
  const timespec times[2] = {{1700000000, nanoseconds}, {1700000000, nanoseconds}};
  ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
}

TEST(FileStamp, TellsAnotherFileOrAnotherWriteFromTheSameFile) {
  test::TempDir dir;
  const std::filesystem::path doc = dir / "doc.ltb";
  test::WriteAll(doc, "first");
  SetModified(doc, 100);
  const std::optional<FileStamp> first = StampOf(doc);
  ASSERT_TRUE(first);
  EXPECT_FALSE(ChangedSince(doc, first));

  // Rewritten with as many bytes within the same second: only the
  // nanoseconds tell.
  test::WriteAll(doc, "again");
  SetModified(doc, 200);
  EXPECT_TRUE(ChangedSince(doc, first));

  // Another file of the same size and time renamed over it.
  const std::optional<FileStamp> second = StampOf(doc);
  test::WriteAll(dir / "other", "again");
  SetModified(dir / "other", 200);
  std::filesystem::rename(dir / "other", doc);
  EXPECT_TRUE(ChangedSince(doc, second));

  // A folder has no stamp: one in the file's place is no change here.
  EXPECT_EQ(StampOf(dir.path()), std::nullopt);
  const std::optional<FileStamp> third = StampOf(doc);
  std::filesystem::remove(doc);
  EXPECT_FALSE(ChangedSince(doc, third));
  std::filesystem::create_directory(doc);
  EXPECT_FALSE(ChangedSince(doc, third));
}

// Rewrites the file in place with bytes of the same size and, like
// "cp -p", puts its old modification time back.
void RewriteKeepingTime(const std::filesystem::path& file, const std::string& bytes) {
  struct stat before {};
  ASSERT_EQ(stat(file.c_str(), &before), 0);
  test::WriteAll(file, bytes);
  const timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
}

// The stamp a save gives is its own file's: a rewrite right after it, of
// the same size and with the old time put back, still counts as a change,
// and so does one after opening; an untouched file does not.
TEST(FileStamp, NoticesRewritesThatKeepSizeAndTime) {
  test::TempDir dir;
  const std::filesystem::path file = dir / "doc";
  WriteReport report;
  ASSERT_TRUE(WriteFile(file, "saved", {}, &report));
  ASSERT_TRUE(report.stamp);
  EXPECT_EQ(report.stamp, StampOf(file));
  EXPECT_FALSE(ChangedSince(file, report.stamp));
  RewriteKeepingTime(file, "their");
  EXPECT_TRUE(ChangedSince(file, report.stamp));

  const std::optional<FileStamp> opened = StampOf(file);
  EXPECT_FALSE(ChangedSince(file, opened));
  RewriteKeepingTime(file, "again");
  EXPECT_TRUE(ChangedSince(file, opened));
  EXPECT_FALSE(ChangedSince(dir / "gone", opened));
}

}  // namespace
}  // namespace listora
