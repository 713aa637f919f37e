#include "core/print/page_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace listora {
namespace {

constexpr int kLine = 67;

// An area of exactly `lines` lines, plus a part line that must not count.
int AreaOf(int lines) { return lines * kLine + kLine - 1; }

TEST(PageLayoutTest, PagesAndTheirRows) {
  // 16 lines less header (4) and footer (2): 10 rows per page.
  const PageMetrics m = ComputePageMetrics(AreaOf(16), kLine, true, true, 25);
  EXPECT_TRUE(m.rowsFit);
  EXPECT_EQ(m.rowsPerPage, 10);
  EXPECT_EQ(m.pageCount, 3);
  EXPECT_EQ(PageRows(m, 1, 25).first, 0);
  EXPECT_EQ(PageRows(m, 1, 25).end, 10);
  EXPECT_EQ(PageRows(m, 3, 25).first, 20);
  EXPECT_EQ(PageRows(m, 3, 25).end, 25);
  EXPECT_EQ(PageRows(m, 0, 25).end, 0);
  EXPECT_EQ(PageRows(m, 4, 25).end, 0);

  EXPECT_EQ(ComputePageMetrics(AreaOf(16), kLine, true, true, 20).pageCount, 2);
  EXPECT_EQ(ComputePageMetrics(AreaOf(16), kLine, true, true, 10).pageCount, 1);
  EXPECT_EQ(ComputePageMetrics(AreaOf(16), kLine, true, true, 11).pageCount, 2);

  // Title on line 2, rule through line 3, rows from line 4, footer on the
  // last line with one empty line before it.
  EXPECT_EQ(m.TitleY(), 2 * kLine);
  EXPECT_EQ(m.RuleY(), 3 * kLine + kLine / 2);
  EXPECT_EQ(m.RowY(0), 4 * kLine);
  EXPECT_EQ(m.FooterY(), 15 * kLine);
  EXPECT_EQ(m.FooterY(), m.RowY(m.rowsPerPage) + kLine);
}

TEST(PageLayoutTest, EmptyTableAndHeaderOff) {
  const PageMetrics empty = ComputePageMetrics(AreaOf(16), kLine, true, true, 0);
  EXPECT_EQ(empty.pageCount, 1);
  EXPECT_EQ(PageRows(empty, 1, 0).first, PageRows(empty, 1, 0).end);

  const PageMetrics noHeader = ComputePageMetrics(AreaOf(16), kLine, false, true, 25);
  EXPECT_EQ(noHeader.rowsPerPage, 12);
  EXPECT_EQ(noHeader.TitleY(), 0);
  EXPECT_EQ(noHeader.RuleY(), kLine + kLine / 2);
  EXPECT_EQ(noHeader.RowY(0), 2 * kLine);
  EXPECT_EQ(ComputePageMetrics(AreaOf(16), kLine, false, false, 25).rowsPerPage, 14);
}

TEST(PageLayoutTest, NoRoomForARowStillPrintsEveryRow) {
  for (const PageMetrics& m : {ComputePageMetrics(AreaOf(6), kLine, true, true, 5),
                               ComputePageMetrics(10, kLine, true, true, 5),
                               ComputePageMetrics(AreaOf(16), 0, true, true, 5),
                               ComputePageMetrics(-5, -1, true, true, 5)}) {
    EXPECT_FALSE(m.rowsFit);
    EXPECT_EQ(m.rowsPerPage, 1);
    EXPECT_EQ(m.pageCount, 5);
    EXPECT_EQ(PageRows(m, 5, 5).first, 4);
    EXPECT_EQ(PageRows(m, 5, 5).end, 5);
    EXPECT_GE(m.FooterY(), 0);
  }
}

TEST(PageLayoutTest, MarginsAndFontHeight) {
  PrintLayout layout;
  layout.top = 5;
  layout.left = 10;
  layout.bottom = 15;
  layout.right = 20;
  const DrawingArea area = MarginArea(layout, 1000, 2000);
  EXPECT_EQ(area.x, 100);
  EXPECT_EQ(area.y, 50);
  EXPECT_EQ(area.width, 700);
  EXPECT_EQ(area.height, 1800);

  layout.left = -30;  // hand-edited settings
  layout.right = 2'000'000'000;
  const DrawingArea odd = MarginArea(layout, 1000, 2000);
  EXPECT_EQ(odd.x, 0);
  EXPECT_EQ(odd.width, 0);

  EXPECT_EQ(PrintFontHeight(50), 67);
  EXPECT_EQ(PrintFontHeight(0), 1);
  EXPECT_EQ(PrintFontHeight(-40), 1);

  // The default layout on A4 at 600 dpi: 104 lines of 67 dots, 98 of them
  // rows, for 2,000 and a million items.
  PrintLayout standard;
  standard.fontSize = 50;
  standard.header = standard.footer = true;
  const PageMetrics a4 = LayoutPageMetrics(standard, 4960, 7016, 2000);
  EXPECT_EQ(a4.lineHeight, 67);
  EXPECT_EQ(a4.rowsPerPage, 98);
  EXPECT_EQ(a4.pageCount, 21);
  EXPECT_EQ(LayoutPageMetrics(standard, 4960, 7016, 1'000'000).pageCount, 10'205);
  standard.top = standard.bottom = 100;  // 2,000 dots less: 30 lines
  EXPECT_EQ(LayoutPageMetrics(standard, 4960, 7016, 2000).rowsPerPage, 68);
}

TEST(PageLayoutTest, ColumnAndTextPositions) {
  // Each width is scaled on its own, so the rounding losses add up.
  const std::vector<int> widths = {100, 50, 33};
  EXPECT_EQ(ColumnPositions(widths, 40, 7), (std::vector<int>{0, 571, 856, 1044}));
  EXPECT_EQ(ColumnPositions(widths, 40, 0), (std::vector<int>{0, 100, 150, 183}));
  EXPECT_EQ(ColumnPositions(std::vector<int>{-5, 20}, 2, 1), (std::vector<int>{0, 0, 40}));
  EXPECT_EQ(ColumnPositions({}, 2, 1), std::vector<int>{0});

  // A right-aligned text ends one "0" short of the column's right edge.
  EXPECT_EQ(CellX(571, 856, true, 90), 766);
  EXPECT_EQ(CellX(571, 856, false, 90), 571);

  EXPECT_EQ(AlignedX(0, 101, 50), 0);
  EXPECT_EQ(AlignedX(1, 101, 50), 25);
  EXPECT_EQ(AlignedX(2, 101, 50), 51);
  EXPECT_EQ(AlignedX(7, 101, 50), 51);
}

}  // namespace
}  // namespace listora
