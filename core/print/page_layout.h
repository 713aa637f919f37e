#pragma once
// Page arithmetic of a printed table: where the margins leave room to draw,
// how many rows a page takes, how many pages the table needs, which rows a
// page holds, and at which lines and x positions things are drawn. All
// lengths are printer device pixels; the desktop program measures the texts
// and passes the numbers in.
//
// A page with header and footer: line 0 header, line 1 empty, line 2 column
// titles, a rule through the middle of line 3, rows from line 4, one empty
// line, the footer on the last full line. Without the header the titles are
// on line 0 and the rule goes through line 1.

#include <span>
#include <vector>

#include "core/doc/document_settings.h"
#include "core/print/print_layout.h"

namespace listora {

// The drawing area left by the margins (each margin in units of 10 device
// pixels): its top-left corner on the page and its size, never negative.
struct DrawingArea {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};
DrawingArea MarginArea(const PrintLayout& layout, int pageWidth, int pageHeight);

// Height in device pixels of the print font for `FontSize`: the size is read
// as points at 96 pixels per inch (50 gives 67 pixels), at least 1 pixel.
int PrintFontHeight(int fontSize);

struct PageMetrics {
  int lineHeight = 0;   // h: height of "0" in the print font
  int lines = 0;        // whole lines in the drawing area
  int headerLines = 0;  // H: 4 with the header on, else 2
  int footerLines = 0;  // F: 2 with the footer on, else 0
  int rowsPerPage = 1;  // R, at least 1
  int pageCount = 1;    // T, at least 1
  // False when the font and margins leave no room for one row; the rows are
  // then printed one per page anyway, so that none is left out.
  bool rowsFit = false;

  int TitleY() const { return (headerLines - 2) * lineHeight; }
  int RuleY() const { return (headerLines - 1) * lineHeight + lineHeight / 2; }
  // Row k (from 0) of a page.
  int RowY(int k) const { return (headerLines + k) * lineHeight; }
  // The last full line of the drawing area (the first one if none fits).
  int FooterY() const { return (lines > 0 ? lines - 1 : 0) * lineHeight; }
};

PageMetrics ComputePageMetrics(int areaHeight, int lineHeight, bool header, bool footer,
                               int itemCount);

// The pages of `layout` on a page of the given size in printer pixels: the
// lines are PrintFontHeight high, as the print font is made on every DC, so
// the printout and its preview, whatever each DC measures and rounds, have
// the same rows on the same pages.
PageMetrics LayoutPageMetrics(const PrintLayout& layout, int pageWidth, int pageHeight,
                              int itemCount);

// Rows [first, end) of the table that page `page` (from 1) holds; empty for
// a page outside 1..pageCount.
struct RowRange {
  int first = 0;
  int end = 0;
};
RowRange PageRows(const PageMetrics& metrics, int page, int itemCount);

// x of a header or footer text of width `textWidth` at position 0 (left),
// 1 (centre) or anything else (right).
int AlignedX(int position, int areaWidth, int textWidth);

// x positions of the printed columns 1..C-1 from their widths in the list
// view: the result has one entry more than `listWidths`, x(1) = 0 first and
// the right edge of the last column last. Each width is scaled by the ratio
// of the width of "0" on the printer to its width on the screen.
std::vector<int> ColumnPositions(std::span<const int> listWidths, int printerDigitWidth,
                                 int screenDigitWidth);

// x of a cell or title text between `left` and `right`: at `left`, or for a
// right-aligned column so that the text ends one "0" short of `right`
// (`widthWithDigit` is the measured width of the text followed by "0").
int CellX(int left, int right, bool rightAligned, int widthWithDigit);

}  // namespace listora
