#include "core/tools/find_replace.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/text/encoding.h"
#include "search_tables.h"
#include "support/test_support.h"

namespace listora {
namespace {

using test::FoldShown;
using test::MakeTable;
using test::Sj;

TEST(CellMatcher, CaseFlagAndCharacterBoundaries) {
  const CellMatcher blind("ab", false);
  EXPECT_TRUE(blind.Matches("xAB"));
  EXPECT_FALSE(CellMatcher("ab", true).Matches("xAB"));
  EXPECT_EQ(CellMatcher(Sj("ａｂ"), false).Find(Sj("あＡＢ")), 2u);
  EXPECT_FALSE(CellMatcher(Sj("ａｂ"), true).Matches(Sj("ＡＢ")));
  // The last full-width letter folds too, after a reference.
  EXPECT_EQ(CellMatcher(Sj("ｚ"), false).Find(Sj("😀Ｚ")), 9u);

  // Trail bytes that equal letters or "\" are never matched on their own.
  EXPECT_FALSE(CellMatcher("a", false).Matches(Sj("ア")));  // 83 41
  EXPECT_FALSE(CellMatcher("A", true).Matches(Sj("ア")));
  EXPECT_FALSE(CellMatcher("\\", true).Matches(Sj("ソ")));  // 83 5C
  EXPECT_FALSE(CellMatcher("z", false).Matches(Sj("ホ")));  // 83 7A
  EXPECT_EQ(CellMatcher("\\", true).Find(Sj("ソ") + "\\"), 2u);
  // Folding never turns one katakana into another: ア (83 41), ヂ (83 61).
  EXPECT_FALSE(CellMatcher("\x83\x61", false).Matches(Sj("ア")));
  // A text cut inside a character matches no whole character.
  EXPECT_FALSE(CellMatcher("\x83", true).Matches(Sj("ア")));
  // Nor inside one whose trail byte equals the lone lead byte searched for.
  EXPECT_FALSE(CellMatcher("\x82", true).Matches("\x82\x82"));
  EXPECT_FALSE(CellMatcher("\x82", false).Matches("\x82\x82"));
  EXPECT_FALSE(CellMatcher("", true).Matches("anything"));
}

TEST(CellMatcher, Replacement) {
  // With the case flag: every occurrence, left to right, never overlapping.
  EXPECT_EQ(CellMatcher("ab", true).Replace("ab-AB-ab", "X"), "X-AB-X");
  EXPECT_EQ(CellMatcher("aa", true).Replace("aaa", "b"), "ba");
  // Without it: only the first occurrence, the rest left as it was.
  EXPECT_EQ(CellMatcher("ab", false).Replace("xAb-ab", "Y"), "xY-ab");
  EXPECT_EQ(CellMatcher(Sj("ａ"), false).Replace(Sj("ＡａＡ"), "-"), "-" + Sj("ａＡ"));
  EXPECT_EQ(CellMatcher("\\", true).Replace(Sj("ソ\\ソ\\"), "/"), Sj("ソ/ソ/"));
  EXPECT_EQ(CellMatcher("A", false).Replace(Sj("アa"), "b"), Sj("アb"));
  EXPECT_EQ(CellMatcher("q", true).Replace("abc", "x"), std::nullopt);
  EXPECT_EQ(CellMatcher("", true).Replace("abc", "x"), std::nullopt);
}

TEST(CellMatcher, TypedOneWayCharacterAlsoMatchesItsPathSpelling) {
  // A file name keeps "〜" as a reference; typed text holds the form "～".
  const std::string name = "a&#x301C;b" + Sj("～") + "b";
  for (const bool matchCase : {true, false}) {
    const CellMatcher wave(Sj("〜b"), matchCase);
    EXPECT_EQ(wave.Find(name), 1u);
    EXPECT_EQ(wave.Find(Sj("あ～b")), 2u);
  }
  // Each match is replaced over its own length, in either spelling.
  EXPECT_EQ(CellMatcher(Sj("〜b"), true).Replace(name, "-"), "a--");
  EXPECT_EQ(CellMatcher(Sj("〜b"), false).Replace(name, "-"), "a-" + Sj("～") + "b");
  EXPECT_EQ(CellMatcher(Sj("〜b"), true).Replace(Sj("～b") + "&#x301C;b", "-"), "--");
  // A text without such a character keeps its one spelling.
  EXPECT_FALSE(CellMatcher("b~", true).Matches(name));
}

TEST(CellMatcher, AReferenceIsOneCharacter) {
  // "한국어😀" as stored: nothing of a reference's spelling is on the screen.
  const std::string cell = Sj("한국어😀");
  for (const bool matchCase : {true, false}) {
    for (const std::string text : {"#x", "D55C", "&", "&#x", ";", "x1F600", "#XD55C"}) {
      SCOPED_TRACE(text);
      EXPECT_FALSE(CellMatcher(text, matchCase).Matches(cell));
      EXPECT_EQ(CellMatcher(text, matchCase).Replace(cell, "Q"), std::nullopt);
    }
    EXPECT_EQ(CellMatcher(Sj("한"), matchCase).Find(cell), 0u);
    EXPECT_EQ(CellMatcher(Sj("😀"), matchCase).Replace(cell, "!"), Sj("한국어!"));
  }
  // A typed "&" finds the "&" of a typed "&#x" (stored "&#x26;#x") and a
  // bare "&", nothing else.
  const std::string typed = Sj("&#x1F600;&");  // "&#x26;#x1F600;&"
  EXPECT_EQ(CellMatcher("&", true).Replace(typed, "+"), "+#x1F600;+");
  EXPECT_EQ(CellMatcher(Sj("&#x1F600;"), false).Find(typed), 0u);
  EXPECT_FALSE(CellMatcher(Sj("&#x1F600;"), true).Matches(Sj("😀")));
  // Without the case flag a reference is never folded into a look-alike.
  EXPECT_FALSE(CellMatcher("&#xd55c;", false).Matches(Sj("한")));
  EXPECT_FALSE(CellMatcher(Sj("한"), false).Matches("&#xd55c;"));
  // Text that comes to stand before "#x...;" is kept as typed.
  EXPECT_EQ(CellMatcher("A", true).Replace("A#x1F600;", "&"), "&#x26;#x1F600;");
  EXPECT_EQ(CellMatcher("-", true).Replace("&#x1F6-00;", ""), "&#x26;#x1F600;");
}

TEST(CellMatcher, MatchesTheShownTextOnRandomCells) {
  // Pieces that join into references, break them and look like their parts.
  const std::vector<std::string> pieces = {
      "a",  "A", "x",      "#x",    "D55C",   ";",      "&",      "&#x",   "1F600", "&#x26;",
      "\\", "1", Sj("한"), Sj("😀"), Sj("ア"), Sj("ａ"), Sj("Ａ"), Sj("é"), "&#x41;"};
  std::mt19937 rng(7);
  const auto random = [&](int most) {
    std::string text;
    for (int n = static_cast<int>(rng() % most); n > 0; --n) text += pieces[rng() % pieces.size()];
    return text;
  };
  for (int round = 0; round < 3000; ++round) {
    const std::string cell = random(7);
    const std::string text = random(3);
    const std::string with = random(3);
    const bool matchCase = rng() % 2;
    SCOPED_TRACE(cell + " / " + text + " / " + with);
    // The straightforward search in the shown text, as UTF-8.
    const std::string shown = Cp932ToUtf8(cell);
    const std::string folded = matchCase ? shown : FoldShown(shown);
    const std::string find = matchCase ? Cp932ToUtf8(text) : FoldShown(Cp932ToUtf8(text));
    std::string expected;
    std::size_t done = 0;
    for (std::size_t at = find.empty() ? std::string::npos : folded.find(find);
         at != std::string::npos;
         at = matchCase ? folded.find(find, at + find.size()) : std::string::npos) {
      expected += shown.substr(done, at - done) + Cp932ToUtf8(with);
      done = at + find.size();
    }
    const bool found = done > 0;
    expected += shown.substr(done);
    const CellMatcher matcher(text, matchCase);
    ASSERT_EQ(matcher.Matches(cell), found);
    const auto replaced = matcher.Replace(cell, with);
    ASSERT_EQ(replaced.has_value(), found);
    if (found) {
      ASSERT_EQ(Cp932ToUtf8(*replaced), expected);
    }
  }
}

TEST(FindStep, DirectionsStartsAndEnd) {
  //                      col 1   col 2   col 3
  const auto table = MakeTable({{"a", "-", "a"},    // row 0
                                {"-", "a", "-"},    // row 1
                                {"a", "-", "-"}});  // row 2
  const CellMatcher m("a", true);
  const auto down = [&](CellPos from) {
    return FindStep(table, 3, from, SearchDirection::kDown, m);
  };
  const auto up = [&](CellPos from) { return FindStep(table, 3, from, SearchDirection::kUp, m); };

  EXPECT_EQ(down({}), (CellPos{0, 1}));
  EXPECT_EQ(down({0, 1}), (CellPos{0, 3}));
  EXPECT_EQ(down({0, 2}), (CellPos{0, 3}));  // the last column after the one before it
  EXPECT_EQ(down({0, 3}), (CellPos{1, 2}));
  EXPECT_EQ(down({1, 2}), (CellPos{2, 1}));
  EXPECT_TRUE(down({2, 1}).IsNone());

  // With no current match, up searches the first row only, right to left.
  EXPECT_EQ(up({}), (CellPos{0, 3}));
  EXPECT_EQ(up({2, 1}), (CellPos{1, 2}));
  EXPECT_EQ(up({1, 2}), (CellPos{0, 3}));
  EXPECT_EQ(up({0, 3}), (CellPos{0, 1}));
  EXPECT_TRUE(up({0, 1}).IsNone());
  EXPECT_TRUE(
      FindStep(MakeTable({{"-", "-", "-"}, {"a", "a", "a"}}), 3, {}, SearchDirection::kUp, m)
          .IsNone());

  // Only columns 1..N are searched: the icon text "0" is never found, nor a
  // column beyond N.
  // Up from a column beyond the searched ones starts at the last searched
  // column; from one past the last row, at the last row.
  const auto wide = MakeTable({{"-", "-", "-", "a"}, {"a", "-", "-", "a"}});
  EXPECT_TRUE(FindStep(wide, 3, {0, 6}, SearchDirection::kUp, m).IsNone());
  EXPECT_EQ(FindStep(wide, 3, {1, 9}, SearchDirection::kUp, m), (CellPos{1, 1}));
  EXPECT_EQ(up({3, 2}), (CellPos{2, 1}));
  EXPECT_EQ(FindStep(wide, 3, {2, 2}, SearchDirection::kUp, m), (CellPos{1, 1}));

  const CellMatcher zero("0", true);
  EXPECT_TRUE(FindStep(table, 3, {}, SearchDirection::kDown, zero).IsNone());
  EXPECT_EQ(FindStep(table, 2, {0, 1}, SearchDirection::kDown, m), (CellPos{1, 2}));
}

TEST(FindReplaceSession, ButtonsAndEndOfTable) {
  auto table = MakeTable({{"Foo", "x"}, {"y", "foo"}});
  FindReplaceSession session(table, 2);
  FindReplaceOptions options{"foo", "bar", false, SearchDirection::kDown};

  EXPECT_EQ(session.FindNext(options).match, (CellPos{0, 1}));
  EXPECT_EQ(session.FindNext(options).match, (CellPos{1, 2}));
  // Past the last match the step finds nothing, and the next one starts
  // over from the first cell.
  EXPECT_TRUE(session.FindNext(options).match.IsNone());
  EXPECT_TRUE(session.Current().IsNone());
  EXPECT_EQ(session.FindNext(options).match, (CellPos{0, 1}));

  // Replace the current match, then move on.
  auto step = session.ReplaceAndFindNext(options);
  EXPECT_TRUE(step.replaced);
  EXPECT_EQ(step.match, (CellPos{1, 2}));
  EXPECT_EQ(table.Cell(0, 1), "bar");
  step = session.ReplaceAndFindNext(options);
  EXPECT_TRUE(step.replaced);
  EXPECT_TRUE(step.match.IsNone());
  EXPECT_EQ(table.Cell(1, 2), "bar");
  // With no current match nothing is replaced.
  step = session.ReplaceAndFindNext(options);
  EXPECT_FALSE(step.replaced);

  table.SetCell(0, 2, "foo");
  session.FindNext(options);
  EXPECT_EQ(session.FindFromTop(options).match, (CellPos{0, 2}));

  // The current match's row deleted under the session: nothing to replace.
  table.SetCell(1, 1, "foo");
  EXPECT_EQ(session.FindNext(options).match, (CellPos{1, 1}));
  table.RemoveRow(1);
  step = session.ReplaceAndFindNext(options);
  EXPECT_FALSE(step.replaced);
  EXPECT_TRUE(step.match.IsNone());
}

TEST(ReplaceAll, FromTheFirstCellDownOncePerCell) {
  auto table = MakeTable({{"aXa", "-"}, {"-", "xax"}, {"A", "a"}});
  FindReplaceSession session(table, 2);
  FindReplaceOptions options{"a", "aa", true, SearchDirection::kUp};
  session.FindNext(options);
  const auto result = session.ReplaceAll(options);
  EXPECT_EQ(options.direction, SearchDirection::kDown);
  EXPECT_TRUE(session.Current().IsNone());
  EXPECT_EQ(result.cells, 3);
  EXPECT_EQ(result.last, (CellPos{2, 2}));
  // A replacement holding the search text is not replaced again.
  EXPECT_EQ(test::ColumnTexts(table, 1), (std::vector<std::string>{"aaXaa", "-", "A"}));
  EXPECT_EQ(test::ColumnTexts(table, 2), (std::vector<std::string>{"-", "xaax", "aa"}));

  // Without the case flag only the first occurrence in each cell.
  auto blind = MakeTable({{Sj("ａＡａ"), Sj("bＡbａ")}});
  const auto r = ReplaceAll(blind, 2, {Sj("Ａ"), "*", false});
  EXPECT_EQ(r.cells, 2);
  EXPECT_EQ(blind.Cell(0, 1), "*" + Sj("Ａａ"));
  EXPECT_EQ(blind.Cell(0, 2), Sj("b*bａ"));

  EXPECT_EQ(ReplaceAll(blind, 2, {"", "x", true}).cells, 0);
  ItemTable empty;
  EXPECT_EQ(ReplaceAll(empty, 2, {"a", "b", true}).cells, 0);
}

TEST(ReplaceAll, LargeTableInOnePass) {
  constexpr int kRows = 200000;
  ItemTable table;
  table.ResizeRows(kRows);
  for (int r = 0; r < kRows; ++r) table.SetCell(r, 2, r % 2 ? "keep" : "old-old");
  const auto result = ReplaceAll(table, 3, {"old", "new", true});
  EXPECT_EQ(result.cells, kRows / 2);
  EXPECT_EQ(result.last, (CellPos{kRows - 2, 2}));
  EXPECT_EQ(table.Cell(0, 2), "new-new");
  EXPECT_EQ(table.Cell(1, 2), "keep");

  // Stopped at the first report: the rows done so far stay replaced.
  for (int r = 0; r < kRows; ++r) table.SetCell(r, 2, "old");
  int reports = 0;
  const auto stopped = ReplaceAll(table, 3, {"old", "new", true}, [&](int done) {
    ++reports;
    EXPECT_GT(done, 0);
    return true;
  });
  EXPECT_TRUE(stopped.stopped);
  EXPECT_EQ(reports, 1);
  EXPECT_GT(stopped.cells, 0);
  EXPECT_LT(stopped.cells, kRows);
  EXPECT_EQ(table.Cell(stopped.cells - 1, 2), "new");
  EXPECT_EQ(table.Cell(stopped.cells, 2), "old");
  // A stop asked at the very end is no stop.
  auto small = MakeTable({{"a", "a"}});
  const auto whole = ReplaceAll(small, 2, {"a", "b", true}, [](int) { return true; });
  EXPECT_FALSE(whole.stopped);
  EXPECT_EQ(whole.cells, 2);
}

}  // namespace
}  // namespace listora
