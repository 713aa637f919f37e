#include "core/panes/memo_file.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace listora {
namespace {

TEST(MemoFile, BytesAsTheyAreUpToTheFirstNul) {
  test::TempDir dir;
  const std::string text = test::Sj("一行目\r\n二行目\n表");  // "表" ends in 0x5C
  test::WriteAll(dir / "memo.txt", text);
  MemoFile file = ReadMemoFile(dir / "memo.txt");
  EXPECT_EQ(file.status, MemoFile::Status::kRead);
  EXPECT_EQ(file.memo, text);

  test::WriteAll(dir / "nul.txt", std::string("ab\0cd", 5));
  file = ReadMemoFile(dir / "nul.txt");
  EXPECT_EQ(file.status, MemoFile::Status::kRead);
  EXPECT_EQ(file.memo, "ab");

  test::WriteAll(dir / "empty.txt", "");
  file = ReadMemoFile(dir / "empty.txt");
  EXPECT_EQ(file.status, MemoFile::Status::kRead);
  EXPECT_EQ(file.memo, "");
}

TEST(MemoFile, Utf8TextIsConvertedAndEverythingElseKept) {
  test::TempDir dir;
  test::WriteAll(dir / "utf8.txt", "\xEF\xBB\xBF一行目\n表 (UTF-8)");
  EXPECT_EQ(ReadMemoFile(dir / "utf8.txt").memo, test::Sj("一行目\n表 (UTF-8)"));
  // ASCII reads the same either way; CP932 text is no valid UTF-8.
  test::WriteAll(dir / "ascii.txt", "plain\r\n");
  EXPECT_EQ(ReadMemoFile(dir / "ascii.txt").memo, "plain\r\n");
  const std::string cp932 = test::Sj("ソフト表示");
  test::WriteAll(dir / "cp932.txt", cp932);
  EXPECT_EQ(ReadMemoFile(dir / "cp932.txt").memo, cp932);
}

TEST(MemoFile, RefusesLargeFilesAndReportsUnreadableOnes) {
  test::TempDir dir;
  test::WriteAll(dir / "limit.txt", std::string(kMaxMemoFileBytes, 'a'));
  EXPECT_EQ(ReadMemoFile(dir / "limit.txt").status, MemoFile::Status::kRead);
  test::WriteAll(dir / "big.txt", std::string(kMaxMemoFileBytes + 1, 'a'));
  const MemoFile big = ReadMemoFile(dir / "big.txt");
  EXPECT_EQ(big.status, MemoFile::Status::kTooLarge);
  EXPECT_TRUE(big.memo.empty());
  // An endless source is cut off at the limit rather than read for ever.
  EXPECT_EQ(ReadMemoFile("/dev/zero").status, MemoFile::Status::kTooLarge);

  EXPECT_EQ(ReadMemoFile(dir / "missing.txt").status, MemoFile::Status::kUnreadable);
  EXPECT_EQ(ReadMemoFile(dir.path()).status, MemoFile::Status::kUnreadable);
}

}  // namespace
}  // namespace listora
