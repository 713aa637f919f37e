// ltbtool where the file system or the process limits get in the way:
// fifos and links as outputs, the file-size limit, inputs that never end, a
// full standard output, and requests that would lose data.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "core/base/messages.h"
#include "core/doc/columns.h"
#include "core/doc/document_file.h"
#include "run_tool.h"
#include "support/test_support.h"

namespace listora {
namespace {

namespace fs = std::filesystem;
using test::Names;
using test::ReadAll;
using test::RunTool;
using test::TempDir;
using test::WriteAll;

// A plain document of `items` items, written as `name` in `dir`.
std::string WriteDocument(const TempDir& dir, const std::string& name, int items = 2) {
  Document doc;
  doc.settings.columns.count = 3;
  for (int i = 0; i < kMaxColumns; ++i) SetDefaultColumn(doc.settings.columns, i);
  for (int i = 0; i < items; ++i) {
    ItemFields f;
    f.columns[1] = "item " + std::to_string(i);
    f.columns[2] = std::string(40, 'x');
    doc.items.AppendRow(f);
  }
  WriteAll(dir / name, StoreDocument(doc, {}));
  return (dir / name).string();
}

TEST(LtbtoolUnusualFiles, OutputsThatAreNotRegularFilesAreWrittenThrough) {
  TempDir dir;
  const std::string doc = WriteDocument(dir, "a.ltb");
  const fs::path fifo = dir / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  ASSERT_EQ(RunTool({"save", doc, "-o", (dir / "saved.ltb").string()}).status, 0);
  const std::string saved = ReadAll(dir / "saved.ltb");
  const auto run = RunTool({"save", doc, "-o", fifo.string()});
  EXPECT_EQ(run.status, 0) << run.err;
  std::string got(65536, '\0');
  const ssize_t size = read(reader, got.data(), got.size());
  close(reader);
  ASSERT_GT(size, 0);
  got.resize(static_cast<std::size_t>(size));
  EXPECT_TRUE(got == saved);
  EXPECT_TRUE(fs::is_fifo(fifo));

  fs::create_symlink("target.ltb", dir / "dangling");
  EXPECT_EQ(RunTool({"save", doc, "-o", (dir / "dangling").string()}).status, 0);
  EXPECT_TRUE(ReadAll(dir / "target.ltb") == saved);
  EXPECT_TRUE(fs::is_symlink(dir / "dangling"));

  fs::create_symlink("loop", dir / "loop");
  const auto loop = RunTool({"save", doc, "-o", (dir / "loop").string()});
  EXPECT_EQ(loop.status, 4);
  EXPECT_NE(loop.err.find("Too many levels of symbolic links"), std::string::npos) << loop.err;
}

// Standard output as the shell opened it: "-o /dev/stdout >> log" appends
// to what the log held, through a pipe too, and renames nothing over it.
TEST(LtbtoolUnusualFiles, StandardOutputIsWrittenAsTheShellOpenedIt) {
  TempDir dir;
  const std::string doc = WriteDocument(dir, "a.ltb");
  const std::string log = (dir / "log.csv").string();
  WriteAll(log, "before\n");
  const std::string exportCommand = "'" + std::string(std::getenv("LTBTOOL")) + "' export '" + doc +
                                    "' --format csv -o /dev/stdout";
  ASSERT_EQ(std::system((exportCommand + " >> '" + log + "'").c_str()), 0);
  const std::string once = ReadAll(log);
  ASSERT_TRUE(once.starts_with("before\n") && once.size() > 7);
  ASSERT_EQ(std::system((exportCommand + " | cat >> '" + log + "'").c_str()), 0);
  EXPECT_EQ(ReadAll(log), once + once.substr(7));
  EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"a.ltb", "log.csv"}));
}

// The reader of a FIFO output that goes away after the first bytes: the
// rest cannot be written, which is a failed output, not a killed tool.
TEST(LtbtoolUnusualFiles, AReaderThatQuitsEarlyFailsTheOutput) {
  TempDir dir;
  const std::string doc = WriteDocument(dir, "big.ltb", 4000);  // more than a pipe holds
  const fs::path fifo = dir / "fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // Not inherited by the tool, which would otherwise read from itself.
  const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  ASSERT_GE(reader, 0);
  test::ToolRun run;
  std::atomic<bool> ended = false;
  std::thread tool([&] {
    run = RunTool({"save", doc, "-o", fifo.string()});
    ended = true;
  });
  // The first bytes show that the tool holds the FIFO open.
  pollfd wanted{reader, POLLIN, 0};
  while (!ended && poll(&wanted, 1, 100) == 0) {
  }
  close(reader);
  tool.join();
  EXPECT_EQ(run.status, 4);
  EXPECT_NE(run.err.find("Broken pipe"), std::string::npos) << run.err;
}

// As its owner, who is no superuser: a read-only output is not replaced
// although its folder would allow it, and another name still is written.
TEST(LtbtoolUnusualFiles, AReadOnlyOutputIsNotReplaced) {
  TempDir dir, results;
  for (const TempDir* open : {&dir, &results}) chmod(open->path().c_str(), 0777);
  const std::string doc = WriteDocument(dir, "a.ltb");
  const fs::path out = dir / "out.ltb";
  WriteAll(out, "protected");
  chmod(out.c_str(), 0444);
  if (geteuid() == 0) {
    ASSERT_EQ(chown(out.c_str(), test::kOrdinaryUser, test::kOrdinaryUser), 0);
  }
  // The build may lie where that user cannot reach it.
  const fs::path tool = results / "ltbtool";
  fs::copy_file(std::getenv("LTBTOOL"), tool);
  const auto saveAs = [&](const fs::path& target) {
    return test::RunAsOrdinaryUser([&] {
      test::ScopedEnv toolCopy("LTBTOOL", tool.string());
      const auto run = RunTool({"save", doc, "-o", target.string()});
      WriteAll(results / "err", run.err);
      return run.status;
    });
  };
  EXPECT_EQ(saveAs(out), 4);
  EXPECT_NE(ReadAll(results / "err").find(msg::kReasonPermission), std::string::npos)
      << ReadAll(results / "err");
  EXPECT_EQ(ReadAll(out), "protected");
  EXPECT_EQ(saveAs(dir / "other.ltb"), 0) << ReadAll(results / "err");
  EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"a.ltb", "other.ltb", "out.ltb"}));

  // A writable output in a folder that takes no new file is written in
  // place, with a warning.
  chmod((dir / "other.ltb").c_str(), 0666);
  WriteAll(dir / "other.ltb", "old");
  chmod(dir.path().c_str(), 0555);
  const int status = saveAs(dir / "other.ltb");
  chmod(dir.path().c_str(), 0777);
  EXPECT_EQ(status, 0) << ReadAll(results / "err");
  EXPECT_NE(ReadAll(results / "err")
                .find("warning: 「" + (dir / "other.ltb").string() +
                      "」のフォルダには新しいファイルを作れないため"),
            std::string::npos)
      << ReadAll(results / "err");
  Document saved;
  ASSERT_EQ(LoadDocument(ReadAll(dir / "other.ltb"), {}, saved).status, LoadStatus::kLoaded);
  EXPECT_EQ(saved.items.GetSize(), 2);
}

TEST(LtbtoolUnusualFiles, TheFileSizeLimitFailsTheWriteAndKeepsTheOldFile) {
  TempDir dir;
  const std::string doc = WriteDocument(dir, "big.ltb", 200);
  WriteAll(dir / "out.ltb", "old");
  WriteAll(dir / "out.txt", "old");
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit small{4096, limit.rlim_max};
  setrlimit(RLIMIT_FSIZE, &small);  // inherited by the tool
  const auto save = RunTool({"save", doc, "-o", (dir / "out.ltb").string()});
  const auto exported =
      RunTool({"export", doc, "--format", "txt", "-o", (dir / "out.txt").string()});
  setrlimit(RLIMIT_FSIZE, &limit);
  for (const auto& run : {save, exported}) {
    EXPECT_EQ(run.status, 4);
    EXPECT_NE(run.err.find("File too large"), std::string::npos) << run.err;
  }
  EXPECT_EQ(ReadAll(dir / "out.ltb"), "old");
  EXPECT_EQ(ReadAll(dir / "out.txt"), "old");
  EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"big.ltb", "out.ltb", "out.txt"}));
}

TEST(LtbtoolUnusualFiles, InputsThatAreNotRegularFilesOrTooLargeAreRefused) {
  TempDir dir;
  const std::string doc = WriteDocument(dir, "a.ltb");
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);  // no writer: reading would wait
  const std::string fifo = (dir / "fifo").string();

  auto run = RunTool({"info", fifo});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find(msg::kNotRegularFile), std::string::npos) << run.err;

  std::string protectedDoc = ReadAll(doc);
  protectedDoc[17] = 1;  // asks for a password
  WriteAll(dir / "p.ltb", protectedDoc);
  for (const std::string& passwordFile : {fifo, std::string("/dev/zero")}) {
    run = RunTool({"info", (dir / "p.ltb").string(), "--password-file", passwordFile});
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find(msg::kNotRegularFile), std::string::npos) << run.err;
  }
  WriteAll(dir / "long", std::string(5000, 'p'));
  run = RunTool({"info", (dir / "p.ltb").string(), "--password-file", (dir / "long").string()});
  EXPECT_EQ(run.status, 3);
  EXPECT_NE(run.err.find("larger than 4096 bytes"), std::string::npos) << run.err;

  // The same bound on standard input: one line of at most 4096 bytes.
  for (const std::string& input : {std::string(5000, '\0'), std::string(4097, 'p') + "\n"}) {
    run = RunTool({"info", (dir / "p.ltb").string(), "--password-stdin"}, input);
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("standard input"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("larger than 4096 bytes"), std::string::npos) << run.err;
  }
  run = RunTool({"info", (dir / "p.ltb").string(), "--password-stdin"}, std::string(4096, 'p'));
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.err.find("larger than"), std::string::npos) << run.err;  // read, and wrong

  for (const std::string& settings : {fifo, std::string("/dev/zero")}) {
    test::ScopedEnv ini("LISTORA_INI", settings);
    run = RunTool({"new", (dir / "new.ltb").string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(msg::kNotRegularFile), std::string::npos) << run.err;
  }
  fs::resize_file(dir / "long", 5 << 20);
  test::ScopedEnv ini("LISTORA_INI", (dir / "long").string());
  run = RunTool({"new", (dir / "new.ltb").string()});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("larger than"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(dir / "new.ltb"));
}

// A document cut off in its item section is used as far as it goes, as the
// desktop program opens it, and the tool says so on standard error.
TEST(LtbtoolUnusualFiles, ACutOffDocumentIsReadWithAWarning) {
  TempDir dir;
  const std::string doc = WriteDocument(dir, "a.ltb", 20);
  const std::string bytes = ReadAll(doc);
  // Up to the end of item 7's record.
  WriteAll(dir / "cut.ltb", bytes.substr(0, bytes.rfind('\x08', bytes.find("item 8")) + 1));
  const auto run = RunTool({"save", (dir / "cut.ltb").string(), "-o", (dir / "out.ltb").string()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "ltbtool: warning: " + (dir / "cut.ltb").string() +
                         ": ファイルが途中で終わっています。20 個のアイテムのうち、"
                         "最後まで読み込めたのは 8 個です。\n");
  Document saved;
  ASSERT_EQ(LoadDocument(ReadAll(dir / "out.ltb"), {}, saved).status, LoadStatus::kLoaded);
  EXPECT_EQ(saved.items.GetSize(), 8);
  EXPECT_EQ(RunTool({"info", doc}).err, "");

  // What was read never replaces the document it was read from.
  const std::string cut = (dir / "cut.ltb").string();
  const std::string csv = (dir / "more.csv").string();
  WriteAll(csv, "x\r\n");
  for (const std::vector<std::string>& args : {std::vector<std::string>{"save", cut, "-o", cut},
                                               {"sort", cut, "--column", "1", "-o", cut},
                                               {"import", csv, "--append-to", cut, "-o", cut}}) {
    const auto refused = RunTool(args);
    EXPECT_EQ(refused.status, 2) << args[0];
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("another file with -o"), std::string::npos) << refused.err;
    EXPECT_EQ(ReadAll(cut), bytes.substr(0, ReadAll(cut).size()));
    EXPECT_EQ(ReadAll(cut).size(), bytes.rfind('\x08', bytes.find("item 8")) + 1);
  }
}

TEST(LtbtoolUnusualFiles, AFullStandardOutputFailsEveryCommand) {
  TempDir dir;
  const std::string doc = WriteDocument(dir, "a.ltb");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"info", doc}, {"dump", doc}, {"--help"}}) {
    const auto run = RunTool(args, {}, "/dev/full");
    EXPECT_EQ(run.status, 4) << args[0];
    EXPECT_NE(run.err.find("standard output"), std::string::npos) << run.err;
  }
}

TEST(LtbtoolUnusualFiles, RequestsThatWouldLoseDataAreRefused) {
  TempDir dir;
  const std::string doc = WriteDocument(dir, "a.ltb");
  const std::string before = ReadAll(doc);

  // An export onto its own input, by name or through a link.
  fs::create_symlink("a.ltb", dir / "link.ltb");
  for (const std::string& out : {doc, (dir / "link.ltb").string()}) {
    const auto run = RunTool({"export", doc, "--format", "csv", "-o", out});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("would replace it"), std::string::npos) << run.err;
  }
  EXPECT_EQ(ReadAll(doc), before);

  // Protection asked for with an empty password.
  WriteAll(dir / "empty", "\n");
  const auto run = RunTool({"save", doc, "-o", (dir / "out.ltb").string(), "--mode", "password",
                            "--new-password-file", (dir / "empty").string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("not empty"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(dir / "out.ltb"));
}

}  // namespace
}  // namespace listora
