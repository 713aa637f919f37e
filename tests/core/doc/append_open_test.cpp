#include "core/doc/append_open.h"

#include <gtest/gtest.h>

#include "core/base/messages.h"
#include "core/doc/document_file.h"
#include "support/test_support.h"

namespace listora {
namespace {

using test::TempDir;
using Paths = std::vector<std::filesystem::path>;

// A table of `rows` items with `columns` columns (C, column 0 included);
// cell (c, r) holds "<tag><r>.<c>".
ItemTable Table(const std::string& tag, int rows, int columns) {
  ItemTable items;
  for (int r = 0; r < rows; ++r) {
    ItemFields fields;
    fields.columns[0] = "0";
    for (int c = 1; c < columns; ++c)
      fields.columns[c] = tag + std::to_string(r) + "." + std::to_string(c);
    items.AppendRow(fields);
  }
  return items;
}

std::filesystem::path WriteDocument(const TempDir& dir, const std::string& name,
                                    const std::string& tag, int rows, int columns,
                                    ProtectionMode mode = ProtectionMode::kPlain,
                                    std::string_view password = {}) {
  Document doc;
  doc.settings.columns.count = static_cast<std::uint16_t>(columns);
  doc.items = Table(tag, rows, columns);
  StoreOptions options;
  options.mode = mode;
  options.password = password;
  test::WriteAll(dir / name, StoreDocument(doc, options));
  return dir / name;
}

TEST(AppendOpen, AppendsFilesInOrderWithoutGaps) {
  TempDir dir;
  ItemTable items = Table("d", 5, 3);
  const Paths one = {WriteDocument(dir, "a.ltb", "a", 3, 3)};
  AppendResult result = AppendOpen(one, 3, {}, items);
  EXPECT_EQ(result.total, 8);
  EXPECT_EQ(result.appended, 3);
  EXPECT_TRUE(result.messages.empty());
  EXPECT_EQ(items.Cell(4, 2), "d4.2");
  EXPECT_EQ(items.Cell(5, 1), "a0.1");
  EXPECT_EQ(items.Cell(7, 2), "a2.2");

  items = Table("d", 4, 3);
  std::vector<std::uint32_t> begun;
  AppendCallbacks callbacks;
  callbacks.begin = [&](const std::filesystem::path&, std::uint32_t total) {
    begun.push_back(total);
  };
  const Paths two = {WriteDocument(dir, "b.ltb", "b", 2, 3),
                     WriteDocument(dir, "c.ltb", "c", 3, 3)};
  result = AppendOpen(two, 3, callbacks, items);
  EXPECT_EQ(result.total, 9);
  EXPECT_EQ(begun, (std::vector<std::uint32_t>{2, 3}));
  const char* expected[] = {"d3.1", "b0.1", "b1.1", "c0.1", "c1.1", "c2.1"};
  for (int row = 3; row < 9; ++row) EXPECT_EQ(items.Cell(row, 1), expected[row - 3]) << row;
}

TEST(AppendOpen, MatchesColumnsByPosition) {
  TempDir dir;
  ItemTable items = Table("d", 1, 3);
  const Paths wider = {WriteDocument(dir, "wide.ltb", "w", 1, 5)};
  AppendOpen(wider, 3, {}, items);
  ASSERT_EQ(items.GetSize(), 2);
  EXPECT_EQ(items.Cell(1, 2), "w0.2");
  EXPECT_EQ(items.Cell(1, 3), "");  // beyond the open document's columns
  EXPECT_EQ(items.Cell(1, 4), "");

  const Paths narrower = {WriteDocument(dir, "narrow.ltb", "n", 1, 2)};
  AppendOpen(narrower, 3, {}, items);
  ASSERT_EQ(items.GetSize(), 3);
  EXPECT_EQ(items.Cell(2, 1), "n0.1");
  EXPECT_EQ(items.Cell(2, 2), "");
}

TEST(AppendOpen, SkipsFilesThatAreNotDocumentsOrCannotBeRead) {
  TempDir dir;
  test::WriteAll(dir / "text.ltb", "just some text, long enough to hold a header if it were one");
  std::string foreign(200, '\0');
  foreign[0] = 'L';
  foreign[1] = 'T';
  foreign[2] = 2;  // another version
  foreign[3] = 1;
  test::WriteAll(dir / "v2.ltb", foreign);
  const Paths files = {WriteDocument(dir, "a.ltb", "a", 1, 3), dir / "text.ltb",
                       dir / "missing.ltb", dir / "v2.ltb", WriteDocument(dir, "b.ltb", "b", 2, 3)};
  ItemTable items = Table("d", 2, 3);
  // Each refusal is reported before the next file is begun.
  std::vector<std::string> events;
  AppendCallbacks callbacks;
  callbacks.begin = [&](const std::filesystem::path& file, std::uint32_t) {
    events.push_back("begin " + file.filename().string());
  };
  callbacks.refused = [&](const AppendMessage& message) {
    events.push_back("refused " + message.file.filename().string());
  };
  const AppendResult result = AppendOpen(files, 3, callbacks, items);
  EXPECT_EQ(events, (std::vector<std::string>{"begin a.ltb", "refused text.ltb", "refused v2.ltb",
                                              "begin b.ltb"}));
  EXPECT_EQ(result.total, 5);
  EXPECT_EQ(items.Cell(2, 1), "a0.1");
  EXPECT_EQ(items.Cell(3, 1), "b0.1");
  ASSERT_EQ(result.messages.size(), 2u);
  EXPECT_EQ(result.messages[0].file, dir / "text.ltb");
  EXPECT_EQ(result.messages[0].text, msg::kNotLtbAppend);
  EXPECT_EQ(result.messages[0].caption, msg::kAppTitle);
  EXPECT_EQ(result.messages[1].file, dir / "v2.ltb");
  EXPECT_EQ(result.messages[1].text, msg::kBadVersion);
}

TEST(AppendOpen, AsksEachProtectedFileForItsPassword) {
  TempDir dir;
  const Paths files = {WriteDocument(dir, "p.ltb", "p", 2, 3, ProtectionMode::kPassword, "right"),
                       WriteDocument(dir, "q.ltb", "q", 1, 3, ProtectionMode::kPassword, "other"),
                       WriteDocument(dir, "e.ltb", "e", 1, 3, ProtectionMode::kEncrypted)};
  Paths asked;
  AppendCallbacks callbacks;
  callbacks.askPassword = [&](const std::filesystem::path& file) {
    asked.push_back(file);
    return std::string("right");
  };
  ItemTable items = Table("d", 1, 3);
  AppendResult result = AppendOpen(files, 3, callbacks, items);
  EXPECT_EQ(asked, (Paths{files[0], files[1]}));  // mode 2 needs none
  EXPECT_EQ(result.total, 4);
  EXPECT_EQ(items.Cell(1, 1), "p0.1");
  EXPECT_EQ(items.Cell(3, 1), "e0.1");
  ASSERT_EQ(result.messages.size(), 1u);
  EXPECT_EQ(result.messages[0].file, files[1]);
  EXPECT_EQ(result.messages[0].text, msg::kWrongPassword);
  EXPECT_EQ(result.messages[0].caption, msg::kErrorCaption);

  // No answer at all refuses the file too.
  result = AppendOpen(Paths{files[0]}, 3, {}, items);
  EXPECT_EQ(result.appended, 0);
  ASSERT_EQ(result.messages.size(), 1u);
  EXPECT_EQ(result.messages[0].text, msg::kWrongPassword);
}

TEST(AppendOpen, CancelKeepsWhatWasReadAndEndsTheRun) {
  TempDir dir;
  const Paths files = {WriteDocument(dir, "a.ltb", "a", 4, 3),
                       WriteDocument(dir, "b.ltb", "b", 2, 3)};
  int begun = 0;
  AppendCallbacks callbacks;
  callbacks.begin = [&](const std::filesystem::path&, std::uint32_t) { ++begun; };
  callbacks.step = [](int done) { return done == 2; };
  ItemTable items = Table("d", 3, 3);
  const AppendResult result = AppendOpen(files, 3, callbacks, items);
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(begun, 1);
  EXPECT_EQ(result.total, 5);
  EXPECT_EQ(items.GetSize(), 5);
  EXPECT_EQ(items.Cell(4, 1), "a1.1");
}

}  // namespace
}  // namespace listora
