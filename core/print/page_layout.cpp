#include "core/print/page_layout.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace listora {

namespace {

constexpr std::int64_t kIntMax = std::numeric_limits<int>::max();

int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, -kIntMax, kIntMax));
}

// Hand-edited settings may hold any margin; a negative one would move the
// drawing off the page.
std::int64_t MarginPixels(std::int32_t margin) { return std::max<std::int64_t>(margin, 0) * 10; }

}  // namespace

DrawingArea MarginArea(const PrintLayout& layout, int pageWidth, int pageHeight) {
  const std::int64_t left = MarginPixels(layout.left);
  const std::int64_t top = MarginPixels(layout.top);
  DrawingArea area;
  area.x = ClampToInt(std::min<std::int64_t>(left, std::max(pageWidth, 0)));
  area.y = ClampToInt(std::min<std::int64_t>(top, std::max(pageHeight, 0)));
  area.width = ClampToInt(
      std::max<std::int64_t>(std::int64_t{pageWidth} - left - MarginPixels(layout.right), 0));
  area.height = ClampToInt(
      std::max<std::int64_t>(std::int64_t{pageHeight} - top - MarginPixels(layout.bottom), 0));
  return area;
}

int PrintFontHeight(int fontSize) {
  const std::int64_t pixels = (std::int64_t{fontSize} * 96 + 36) / 72;
  return ClampToInt(std::max<std::int64_t>(pixels, 1));
}

PageMetrics ComputePageMetrics(int areaHeight, int lineHeight, bool header, bool footer,
                               int itemCount) {
  PageMetrics m;
  m.lineHeight = std::max(lineHeight, 0);
  m.lines = m.lineHeight > 0 ? std::max(areaHeight, 0) / m.lineHeight : 0;
  m.headerLines = header ? 4 : 2;
  m.footerLines = footer ? 2 : 0;
  const int rows = m.lines - m.footerLines - m.headerLines;
  m.rowsFit = rows >= 1;
  m.rowsPerPage = m.rowsFit ? rows : 1;
  const int items = std::max(itemCount, 0);
  m.pageCount = items > m.rowsPerPage ? (items - 1) / m.rowsPerPage + 1 : 1;
  return m;
}

PageMetrics LayoutPageMetrics(const PrintLayout& layout, int pageWidth, int pageHeight,
                              int itemCount) {
  return ComputePageMetrics(MarginArea(layout, pageWidth, pageHeight).height,
                            PrintFontHeight(layout.fontSize), layout.header, layout.footer,
                            itemCount);
}

RowRange PageRows(const PageMetrics& metrics, int page, int itemCount) {
  if (page < 1 || page > metrics.pageCount || metrics.rowsPerPage < 1) return {};
  const std::int64_t first = std::int64_t{page - 1} * metrics.rowsPerPage;
  const std::int64_t end =
      std::min<std::int64_t>(first + metrics.rowsPerPage, std::max(itemCount, 0));
  if (first >= end) return {};
  return {static_cast<int>(first), static_cast<int>(end)};
}

int AlignedX(int position, int areaWidth, int textWidth) {
  if (position == 0) return 0;
  if (position == 1) return ClampToInt((std::int64_t{areaWidth} - textWidth) / 2);
  return ClampToInt(std::int64_t{areaWidth} - textWidth);
}

std::vector<int> ColumnPositions(std::span<const int> listWidths, int printerDigitWidth,
                                 int screenDigitWidth) {
  // Without a measured screen digit there is no ratio to apply: keep the
  // list widths as they are rather than divide by zero.
  const bool scale = screenDigitWidth > 0;
  const std::int64_t printerDigit = std::max(printerDigitWidth, 0);
  std::vector<int> x;
  x.reserve(listWidths.size() + 1);
  std::int64_t at = 0;
  x.push_back(0);
  for (int width : listWidths) {
    const std::int64_t w = std::max(width, 0);
    at += scale ? w * printerDigit / screenDigitWidth : w;
    at = std::min(at, kIntMax);
    x.push_back(static_cast<int>(at));
  }
  return x;
}

int CellX(int left, int right, bool rightAligned, int widthWithDigit) {
  return rightAligned ? ClampToInt(std::int64_t{right} - widthWithDigit) : left;
}

}  // namespace listora
