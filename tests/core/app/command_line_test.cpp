#include "core/app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace listora {
namespace {

StartRequest Parse(std::vector<std::string> args) { return ParseCommandLine(args); }

TEST(CommandLineTest, OpenOrNew) {
  EXPECT_EQ(Parse({}).kind, StartRequest::Kind::kNew);
  EXPECT_EQ(Parse({"-p", ""}).kind, StartRequest::Kind::kNew);

  StartRequest r = Parse({"/home/u/日本語.ltb"});
  EXPECT_EQ(r.kind, StartRequest::Kind::kOpen);
  EXPECT_EQ(r.document, "/home/u/日本語.ltb");

  // "-D" only counts exactly and first; otherwise it is an ignored switch.
  for (const auto& args :
       {std::vector<std::string>{"-d", "a.ltb", "b"}, std::vector<std::string>{"-Dx", "a.ltb"},
        std::vector<std::string>{"", "a.ltb", "-D", "c"}}) {
    r = Parse(args);
    EXPECT_EQ(r.kind, StartRequest::Kind::kOpen);
    EXPECT_EQ(r.document, "a.ltb");
    EXPECT_TRUE(r.paths.empty());
  }
}

TEST(CommandLineTest, InsertPaths) {
  StartRequest r = Parse({"-D", "/tmp/x", "-y", "a.ltb", "-D"});
  EXPECT_EQ(r.kind, StartRequest::Kind::kInsert);
  EXPECT_TRUE(r.document.empty());
  EXPECT_EQ(r.paths, (std::vector<std::string>{"/tmp/x", "-y", "a.ltb", "-D"}));

  r = Parse({"-D"});
  EXPECT_EQ(r.kind, StartRequest::Kind::kInsert);
  EXPECT_TRUE(r.paths.empty());

  // After "-D" even "--help" is a path.
  r = Parse({"-D", "--help", "--version"});
  EXPECT_EQ(r.kind, StartRequest::Kind::kInsert);
  EXPECT_EQ(r.paths, (std::vector<std::string>{"--help", "--version"}));
}

TEST(CommandLineTest, HelpAndVersionWinOverADocument) {
  using Kind = StartRequest::Kind;
  const struct {
    std::vector<std::string> args;
    Kind kind;
  } cases[] = {
      {{"--help"}, Kind::kHelp},
      {{"a.ltb", "-h"}, Kind::kHelp},
      {{"--version", "--help"}, Kind::kVersion},
      {{"x.ltb", "--version"}, Kind::kVersion},
      {{"--Help", "-help", "--versions", "a.ltb"}, Kind::kOpen},
  };
  for (const auto& c : cases) {
    const StartRequest r = Parse(c.args);
    EXPECT_EQ(r.kind, c.kind) << c.args.front();
    if (c.kind != Kind::kOpen) EXPECT_TRUE(r.document.empty());
  }
}

}  // namespace
}  // namespace listora
