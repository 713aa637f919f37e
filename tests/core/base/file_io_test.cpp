#include "core/base/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <string>
#include <vector>

#include "core/base/error_reason.h"
#include "core/base/messages.h"
#include "core/base/unnamed_files_refused.h"
#include "support/test_support.h"

namespace listora {
namespace {

namespace fs = std::filesystem;
using test::Names;

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
  // Written in pieces, then read whole and again in part through one
  // descriptor, which tells a write since it was opened.
  const std::string_view pieces[] = {std::string_view(bytes).substr(0, 7), "",
                                     std::string_view(bytes).substr(7)};
  ASSERT_TRUE(WriteFile(file, FilePieces(pieces), {}));
  OpenedFile opened;
  ASSERT_TRUE(opened.Open(file));
  EXPECT_EQ(opened.ReadAll(), bytes);
  std::string tail = "t";
  EXPECT_EQ(opened.ReadAt(bytes.size() - 10, 100, tail), 10u);
  EXPECT_EQ(tail, "t" + bytes.substr(bytes.size() - 10));
  EXPECT_TRUE(opened.Unchanged());
  const int appending = open(file.c_str(), O_WRONLY | O_APPEND);
  ASSERT_EQ(write(appending, "x", 1), 1);
  close(appending);
  FileError error;
  EXPECT_FALSE(opened.Unchanged(&error));
  EXPECT_NE(error.what.find(msg::kChangedWhileRead), std::string::npos);
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

  // The sticky and set-ID bits too; a writer who may not keep set-ID bits
  // on a write (anyone but root) loses them as on any write.
  test::WriteAll(dir / "old", "x");
  for (const mode_t mode : {0604u, 01755u, geteuid() == 0 ? 06755u : 0604u}) {
    chmod((dir / "old").c_str(), mode);
    ASSERT_TRUE(WriteFileAtomically(dir / "old", "y"));
    EXPECT_EQ(Mode(dir / "old"), mode);
  }
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

TEST(FileIoTest, FollowsDanglingLinksAndReportsLoops) {
  test::TempDir dir;
  fs::create_symlink("made", dir / "dangling");
  ASSERT_TRUE(WriteFileAtomically(dir / "dangling", "new"));
  EXPECT_TRUE(fs::is_symlink(dir / "dangling"));
  EXPECT_EQ(test::ReadAll(dir / "made"), "new");

  fs::create_symlink("loop2", dir / "loop1");
  fs::create_symlink("loop1", dir / "loop2");
  FileError error;
  EXPECT_FALSE(WriteFileAtomically(dir / "loop1", "x", &error));
  EXPECT_NE(error.what.find("Too many levels of symbolic links"), std::string::npos) << error.what;
  EXPECT_TRUE(fs::is_symlink(dir / "loop1"));
}

TEST(FileIoTest, WritesThroughAFifoInsteadOfReplacingIt) {
  test::TempDir dir;
  const fs::path fifo = dir / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_TRUE(WriteFileAtomically(fifo, "through"));
  char buffer[16] = {};
  EXPECT_EQ(read(reader, buffer, sizeof buffer), 7);
  close(reader);
  EXPECT_EQ(std::string(buffer), "through");
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"fifo"});

  // A pipe is reached only through the system's own link (as /dev/stdout).
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  EXPECT_TRUE(WriteFileAtomically("/proc/self/fd/" + std::to_string(ends[1]), "piped"));
  close(ends[1]);
  EXPECT_EQ(read(ends[0], buffer, sizeof buffer), 5);
  close(ends[0]);
  EXPECT_EQ(std::string(buffer, 5), "piped");
}

// A path to one of the program's descriptors (/dev/stdout after ">>") is
// written through the descriptor, as the shell's redirection would be: the
// file opened for appending grows, a hard link stays one file, a deleted
// file gets the bytes, and nothing is renamed into the folder.
TEST(FileIoTest, WritesThroughTheProgramsOwnDescriptors) {
  test::TempDir dir;
  const fs::path log = dir / "log";
  test::WriteAll(log, "kept\n");
  ASSERT_EQ(link(log.c_str(), (dir / "other").c_str()), 0);
  const int fd = open(log.c_str(), O_WRONLY | O_APPEND);
  ASSERT_GE(fd, 0);
  const std::string number = std::to_string(fd);
  for (const std::string& path :
       {"/proc/self/fd/" + number, "/dev/fd/" + number, "/proc/thread-self/fd/" + number})
    EXPECT_TRUE(WriteFileAtomically(path, "+", nullptr, SpecialTarget::kRefuse)) << path;
  fs::create_symlink("/dev/fd/" + number, dir / "link");
  EXPECT_TRUE(WriteFileAtomically(dir / "link", "!"));
  EXPECT_EQ(test::ReadAll(dir / "other"), "kept\n+++!");
  ASSERT_EQ(unlink(log.c_str()), 0);
  ASSERT_EQ(unlink((dir / "other").c_str()), 0);
  EXPECT_TRUE(WriteFileAtomically("/dev/fd/" + number, "gone"));
  close(fd);
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"link"});
}

// The ACLs and extended attributes of the old file are kept by the new one.
TEST(FileIoTest, KeepsExtendedAttributesAndAcls) {
  test::TempDir dir;
  const fs::path file = dir / "doc";
  test::WriteAll(file, "old");
  chmod(file.c_str(), 0644);
  if (setxattr(file.c_str(), "user.origin", "camera", 6, 0) != 0)
    GTEST_SKIP() << "no extended attributes here";
  // Owner rw, the ordinary user nothing, group and mask r, others r.
  const auto entry = [](std::uint16_t tag, std::uint16_t perm, std::uint32_t id) {
    std::string bytes(8, '\0');
    std::memcpy(bytes.data(), &tag, 2);
    std::memcpy(bytes.data() + 2, &perm, 2);
    std::memcpy(bytes.data() + 4, &id, 4);
    return bytes;
  };
  const std::uint32_t version = 2;
  std::string acl(reinterpret_cast<const char*>(&version), 4);
  acl += entry(0x01, 6, ~0u) + entry(0x02, 0, test::kOrdinaryUser) + entry(0x04, 4, ~0u) +
         entry(0x10, 4, ~0u) + entry(0x20, 4, ~0u);
  const bool acls =
      setxattr(file.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) == 0;
  WriteReport report;
  ASSERT_TRUE(WriteFile(file, "new", {}, &report));
  EXPECT_TRUE(report.warnings.empty());
  EXPECT_EQ(test::ReadAll(file), "new");
  char value[256] = {};
  EXPECT_EQ(getxattr(file.c_str(), "user.origin", value, sizeof value), 6);
  EXPECT_EQ(std::string(value, 6), "camera");
  if (acls) {
    EXPECT_EQ(getxattr(file.c_str(), "system.posix_acl_access", value, sizeof value),
              static_cast<ssize_t>(acl.size()));
    EXPECT_EQ(std::string(value, acl.size()), acl);
    EXPECT_EQ(Mode(file), 0644u);
  }
}

// A folder where the user may change the file but not make one: unless
// the caller allows it the save fails and changes nothing; allowed, the
// file is written in place after one call, and keeps its inode.
TEST(FileIoTest, WritesInPlaceWhereTheFolderTakesNoNewFile) {
  test::TempDir dir;
  const fs::path file = dir / "doc";
  test::WriteAll(file, "old contents");
  ASSERT_EQ(chmod(file.c_str(), 0666), 0);
  ASSERT_EQ(chmod(dir.path().c_str(), 0555), 0);
  struct stat before {};
  stat(file.c_str(), &before);
  const int result = test::RunAsOrdinaryUser([&] {
    FileError error;
    if (WriteFileAtomically(file, "refused", &error)) return 1;
    if (error.what.find(msg::kReasonPermission) == std::string::npos) return 2;
    int told = 0;
    WriteOptions options;
    options.beforeInPlace = [&told](const std::string&) { ++told; };
    WriteReport report;
    if (!WriteFile(file, "new", options, &report, &error) || told != 1) return 3;
    return report.stamp && report.stamp->size == 3 ? 0 : 4;
  });
  chmod(dir.path().c_str(), 0755);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(test::ReadAll(file), "new");
  struct stat after {};
  stat(file.c_str(), &after);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"doc"});
}

// A folder whose files may not be removed (chattr +a) is not given a
// temporary file that could then not be taken away.
TEST(FileIoTest, AnAppendOnlyFolderIsLeftWithoutTemporaryFiles) {
  test::TempDir dir;
  test::WriteAll(dir / "doc", "old");
  test::AppendOnlyFolder appendOnly(dir.path());
  if (!appendOnly.Applied()) GTEST_SKIP() << "chattr +a not permitted here";
  FileError error;
  const bool replaced = WriteFileAtomically(dir / "doc", "new", &error);
  const std::vector<std::string> names = Names(dir.path());
  WriteOptions options;
  options.beforeInPlace = [](const std::string&) {};
  const bool inPlace = WriteFile(dir / "doc", "in place", options);
  appendOnly.Restore();
  EXPECT_FALSE(replaced);
  EXPECT_NE(error.what.find(msg::kReasonPermission), std::string::npos) << error.what;
  EXPECT_EQ(names, std::vector<std::string>{"doc"});
  EXPECT_TRUE(inPlace);
  EXPECT_EQ(test::ReadAll(dir / "doc"), "in place");
}

// The desktop program's saves: a FIFO without a reader would block the
// window in the open call, so any target that is not a file is refused at
// once, also behind a link.
TEST(FileIoTest, RefusesTargetsThatAreNotFilesWhenAsked) {
  test::TempDir dir;
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
  fs::create_symlink("fifo", dir / "link");
  for (const fs::path& target : {dir / "fifo", dir / "link", fs::path("/dev/null")}) {
    FileError error;
    EXPECT_FALSE(WriteFileAtomically(target, "x", &error, SpecialTarget::kRefuse));
    EXPECT_NE(error.what.find(msg::kNotRegularFile), std::string::npos) << error.what;
  }
  EXPECT_TRUE(fs::is_fifo(dir / "fifo"));
  EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"fifo", "link"}));
}

// A file its owner made read-only in a folder the owner may write: renaming
// over it would work, and is refused all the same, as writing into it is.
TEST(FileIoTest, RefusesToReplaceAFileTheWriterMayNotWrite) {
  test::TempDir dir;
  ASSERT_EQ(chmod(dir.path().c_str(), 0777), 0);
  const fs::path file = dir / "doc";
  test::WriteAll(file, "protected");
  ASSERT_EQ(chmod(file.c_str(), 0444), 0);
  if (geteuid() == 0) {
    ASSERT_EQ(chown(file.c_str(), test::kOrdinaryUser, test::kOrdinaryUser), 0);
  }
  const int result = test::RunAsOrdinaryUser([&] {
    FileError error;
    if (WriteFileAtomically(file, "replaced", &error)) return 1;
    if (error.what.find(msg::kReasonPermission) == std::string::npos) return 2;
    return WriteFileAtomically(dir / "other", "new") ? 0 : 3;
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(test::ReadAll(file), "protected");
  EXPECT_EQ(Mode(file), 0444u);
  EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"doc", "other"}));
}

// A save killed half-way (here by the file-size limit's signal, which
// arrives at a known point) leaves the old file and nothing else.
TEST(FileIoTest, AWriteKilledHalfWayLeavesNoTemporaryFile) {
  test::TempDir dir;
  test::WriteAll(dir / "doc", "old contents");
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_DFL);
    const rlimit small{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &small);
    WriteFileAtomically(dir / "doc", std::string(100000, 'x'));
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
  EXPECT_EQ(test::ReadAll(dir / "doc"), "old contents");
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"doc"});
}

// Sets a file's times `seconds` into the past.
void Age(const fs::path& file, int seconds) {
  timespec times[2];
  clock_gettime(CLOCK_REALTIME, &times[0]);
  times[0].tv_sec -= seconds;
  times[1] = times[0];
  ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

// Where the file system cannot make unnamed files, a save killed half-way
// leaves its named temporary file. The next save of the same document
// removes it once it is a minute old, and nothing that is not its own.
TEST(FileIoTest, LeftoversOfAKilledSaveGoAtALaterSave) {
  test::UnnamedFilesRefused refused;
  test::TempDir dir;
  const fs::path doc = dir / "doc";
  test::WriteAll(doc, "old contents");
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_DFL);
    const rlimit small{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &small);
    WriteFileAtomically(doc, std::string(100000, 'x'));
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  std::vector<std::string> names = Names(dir.path());
  ASSERT_EQ(names.size(), 2u);
  const std::string leftover = names[0];
  EXPECT_EQ(leftover.size(), std::string(".doc.").size() + 8) << leftover;

  // Young, it may belong to a save under way.
  ASSERT_TRUE(WriteFileAtomically(doc, "second"));
  EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{leftover, "doc"}));

  const std::vector<std::string> others = {".doc.abc",       ".doc.abcdefg!",   ".doc.abcdefghi",
                                           ".docs.abcdefgh", ".other.abcdefgh", "doc.abcdefgh"};
  for (const std::string& name : others) test::WriteAll(dir / name, "not ours");
  fs::create_directory(dir / ".doc.folder12");
  fs::create_symlink(leftover, dir / ".doc.linkABCD");
  for (const std::string& name : names) Age(dir / name, 120);
  for (const std::string& name : others) Age(dir / name, 120);
  Age(dir / ".doc.folder12", 120);
  Age(dir / ".doc.linkABCD", 120);
  if (geteuid() == 0) {
    test::WriteAll(dir / ".doc.theirsAB", "another user's");
    ASSERT_EQ(chown((dir / ".doc.theirsAB").c_str(), test::kOrdinaryUser, test::kOrdinaryUser), 0);
    Age(dir / ".doc.theirsAB", 120);
  }
  ASSERT_TRUE(WriteFileAtomically(doc, "third"));
  EXPECT_EQ(test::ReadAll(doc), "third");
  EXPECT_FALSE(fs::exists(dir / leftover));
  names = Names(dir.path());
  for (const std::string& kept : others)
    EXPECT_NE(std::find(names.begin(), names.end(), kept), names.end()) << kept;
  for (const char* kept : {".doc.folder12", ".doc.linkABCD"})
    EXPECT_NE(std::find(names.begin(), names.end(), kept), names.end()) << kept;
  EXPECT_EQ(names.size(), others.size() + 3 + (geteuid() == 0 ? 1 : 0));

  // A name of the longest kind leaves room for its temporary's.
  const fs::path longest = dir / std::string(255, 'n');
  ASSERT_TRUE(WriteFileAtomically(longest, "long"));
  EXPECT_EQ(test::ReadAll(longest), "long");
}

TEST(FileIoTest, RootKeepsTheOwnerAndGroupOfTheOldFile) {
  if (geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
  test::TempDir dir;
  test::WriteAll(dir / "theirs", "old");
  ASSERT_EQ(chown((dir / "theirs").c_str(), 4321, 4322), 0);
  ASSERT_TRUE(WriteFileAtomically(dir / "theirs", "new"));
  struct stat info {};
  ASSERT_EQ(stat((dir / "theirs").c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, 4321u);
  EXPECT_EQ(info.st_gid, 4322u);
  ASSERT_TRUE(WriteFileAtomically(dir / "mine", "new"));
  ASSERT_EQ(stat((dir / "mine").c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, 0u);
}

TEST(FileIoTest, ReadsOnlyRegularFilesUpToTheLimit) {
  test::TempDir dir;
  FileError error;
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
  EXPECT_FALSE(ReadFileBytes(dir / "fifo", &error));  // no writer: must not wait
  EXPECT_NE(error.what.find(msg::kNotRegularFile), std::string::npos) << error.what;
  EXPECT_FALSE(ReadFileBytes("/dev/zero", &error));
  EXPECT_NE(error.what.find(msg::kNotRegularFile), std::string::npos) << error.what;

  test::WriteAll(dir / "ten", "0123456789");
  EXPECT_EQ(ReadFileBytes(dir / "ten", &error, 10), "0123456789");
  EXPECT_FALSE(ReadFileBytes(dir / "ten", &error, 9));
  EXPECT_NE(error.what.find("larger than 9 bytes"), std::string::npos) << error.what;
}

TEST(FileIoTest, ReadFailuresNameThePathAndTheReason) {
  test::TempDir dir;
  FileError error;
  EXPECT_FALSE(ReadFileBytes(dir / "missing", &error));
  EXPECT_EQ(error.what, "「" + (dir / "missing").string() +
                            "」を読み込めませんでした: " + std::string(msg::kReasonNoSuchFile));
  EXPECT_FALSE(ReadFileBytes(dir.path(), &error));
  EXPECT_NE(error.what.find(msg::kReasonFolder), std::string::npos) << error.what;
  EXPECT_FALSE(WriteFileAtomically(dir / std::string(300, 'x'), "x", &error));
  EXPECT_NE(error.what.find(msg::kReasonNameTooLong), std::string::npos) << error.what;
  // The rarer failures in the system's words.
  EXPECT_EQ(ErrorReason(std::make_error_code(std::errc::read_only_file_system)),
            std::string_view(msg::kReasonReadOnly));
  EXPECT_EQ(ErrorReason(ENOSPC), std::string_view(msg::kReasonNoSpace));
  EXPECT_EQ(ErrorReason(ENOTDIR), std::generic_category().message(ENOTDIR));

  // The check without reading agrees.
  EXPECT_FALSE(CanReadFile(dir / "missing", &error));
  EXPECT_NE(error.what.find((dir / "missing").string()), std::string::npos);
  EXPECT_FALSE(CanReadFile(dir.path()));
  test::WriteAll(dir / "there", "x");
  EXPECT_TRUE(CanReadFile(dir / "there"));
}

}  // namespace
}  // namespace listora
