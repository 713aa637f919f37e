// The program's texts live in two tables, the core's and the desktop
// program's. These tests read the sources: a text entered in both tables, or
// a message written straight into a question or message box, would otherwise
// go unnoticed until a translation missed it.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace listora {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = LISTORA_SOURCE_DIR;

// The texts of one table as written (marked for translation or not): a
// constant's adjacent literals joined.
std::vector<std::string> TableTexts(const fs::path& file) {
  const std::string source = test::ReadAll(file);
  const std::regex literal(R"re("((?:[^"\\]|\\.)*)")re");
  const std::regex constant(R"re(=\s*(?:Tx\(\s*)?((?:"(?:[^"\\]|\\.)*"\s*)+)\)?;)re");
  std::vector<std::string> texts;
  for (auto m = std::sregex_iterator(source.begin(), source.end(), constant);
       m != std::sregex_iterator(); ++m) {
    const std::string quoted = (*m)[1];
    std::string text;
    for (auto p = std::sregex_iterator(quoted.begin(), quoted.end(), literal);
         p != std::sregex_iterator(); ++p)
      text += (*p)[1];
    texts.push_back(text);
  }
  return texts;
}

// Each command's prompt and, after a line feed, its tool tip, as the table
// of commands gives them.
std::vector<std::string> CommandTexts(const fs::path& file) {
  const std::string source = test::ReadAll(file);
  const std::regex command(
      R"re(\.prompt = Tx\("((?:[^"\\]|\\.)*)"\)(?:,\s*\.tip = Tx\("((?:[^"\\]|\\.)*)"\))?)re");
  std::vector<std::string> texts;
  for (auto m = std::sregex_iterator(source.begin(), source.end(), command);
       m != std::sregex_iterator(); ++m)
    texts.push_back((*m)[2].matched ? (*m)[1].str() + "\n" + (*m)[2].str() : (*m)[1].str());
  return texts;
}

TEST(TextTablesTest, NoTextIsEnteredTwice) {
  const std::vector<std::string> core = TableTexts(kSource / "core/base/messages.h");
  const std::vector<std::string> desktop = [] {
    std::vector<std::string> texts = TableTexts(kSource / "ui/base/messages.h");
    for (std::string& text : CommandTexts(kSource / "ui/app/command_table.cpp"))
      texts.push_back(std::move(text));
    return texts;
  }();
  ASSERT_GT(core.size(), 20u);
  ASSERT_GT(desktop.size(), 50u);
  std::map<std::string, int> seen;
  for (const auto* table : {&core, &desktop})
    for (const std::string& text : *table) ++seen[text];
  for (const auto& [text, count] : seen) EXPECT_EQ(count, 1) << text;
}

TEST(TextTablesTest, MessageBoxesTakeTheirTextsFromTheTables) {
  const std::regex literal(R"re("(?:[^"\\]|\\.)*")re");
  const auto nonAscii = [](const std::string& text) {
    for (unsigned char c : text)
      if (c >= 0x80) return true;
    return false;
  };
  int calls = 0;
  for (const auto& entry : fs::recursive_directory_iterator(kSource / "ui")) {
    if (entry.path().extension() != ".cpp") continue;
    const std::string source = test::ReadAll(entry.path());
    for (std::size_t at = source.find("ThePrompt()."); at != std::string::npos;
         at = source.find("ThePrompt().", at + 1)) {
      ++calls;
      const std::string call = source.substr(at, source.find(';', at) - at);
      for (auto m = std::sregex_iterator(call.begin(), call.end(), literal);
           m != std::sregex_iterator(); ++m)
        EXPECT_FALSE(nonAscii(m->str())) << entry.path() << ": " << call;
    }
  }
  EXPECT_GT(calls, 20);
}

}  // namespace
}  // namespace listora
