#include "ui/print/table_printout.h"

#include <wx/dc.h>
#include <wx/font.h>

#include <algorithm>
#include <span>
#include <utility>

#include "core/doc/document_file.h"
#include "core/print/header_footer.h"
#include "ui/base/messages.h"
#include "ui/base/prompt.h"
#include "ui/print/gtk_page_count.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

constexpr double kNominalDpi = 600.0;
constexpr double kReferencePoints = 100.0;

int TextWidth(wxDC& dc, const wxString& text) { return dc.GetTextExtent(text).GetWidth(); }

}  // namespace

TablePrintout::TablePrintout(PrintSource source)
    : wxPrintout(ToWx(source.title)), source_(std::move(source)) {}

wxFont TablePrintout::PrintFont(wxDC& dc) const {
  // How a point size turns into dots differs between printer, preview and
  // file DCs; measure a reference size on this DC and scale it so the
  // characters (the em, without the line's leading) are as high as the
  // core's rule says.
  wxFont font(wxFontInfo(kReferencePoints).FaceName(ToWx(source_.layout.fontName)));
  dc.SetFont(font);
  const wxFontMetrics m = dc.GetFontMetrics();
  int em = m.height - m.internalLeading;
  if (em <= 0) em = std::max(m.height, 1);
  const double target = PrintFontHeight(source_.layout.fontSize);
  font.SetFractionalPointSize(std::max(kReferencePoints * target / em, 0.1));
  return font;
}

void TablePrintout::NominalPageSize(int* width, int* height) const {
  int pageW = 0, pageH = 0, ppiX = 0, ppiY = 0;
  GetPageSizePixels(&pageW, &pageH);
  GetPPIPrinter(&ppiX, &ppiY);
  if (ppiX <= 0 || ppiY <= 0) ppiX = ppiY = static_cast<int>(kNominalDpi);
  *width = static_cast<int>(pageW * kNominalDpi / ppiX);
  *height = static_cast<int>(pageH * kNominalDpi / ppiY);
}

PageMetrics TablePrintout::Paginate() const {
  int width = 0, height = 0;
  NominalPageSize(&width, &height);
  const int items = source_.data ? source_.data->items.GetSize() : 0;
  return LayoutPageMetrics(source_.layout, width, height, items);
}

DrawingArea TablePrintout::PrepareDc() {
  wxDC& dc = *GetDC();
  int pageW = 0, pageH = 0, dcW = 0, dcH = 0, ppiX = 0, ppiY = 0;
  GetPageSizePixels(&pageW, &pageH);
  dc.GetSize(&dcW, &dcH);
  GetPPIPrinter(&ppiX, &ppiY);
  if (ppiX <= 0 || ppiY <= 0) ppiX = ppiY = static_cast<int>(kNominalDpi);
  // The preview draws the printer's page into a smaller bitmap.
  const double fitX = pageW > 0 && dcW > 0 ? static_cast<double>(dcW) / pageW : 1.0;
  const double fitY = pageH > 0 && dcH > 0 ? static_cast<double>(dcH) / pageH : 1.0;
  dc.SetDeviceOrigin(0, 0);
  dc.SetLogicalOrigin(0, 0);
  dc.SetUserScale(fitX * ppiX / kNominalDpi, fitY * ppiY / kNominalDpi);
  dc.SetFont(PrintFont(dc));
  int width = 0, height = 0;
  NominalPageSize(&width, &height);
  return MarginArea(source_.layout, width, height);
}

void TablePrintout::OnPreparePrinting() {
  metrics_ = Paginate();
  if (!GetDC()) return;
  TellGtkThePageCount(GetDC(), metrics_.pageCount);
  if (!metrics_.rowsFit && !warned_) {
    warned_ = true;
    ThePrompt().Info(nullptr, Utf8(msg::kRowsDoNotFit), Utf8(msg::kPrintCaption));
  }
  if (!AskedPagesExist(GetDC(), metrics_.pageCount)) {
    ThePrompt().Info(nullptr, wxString::Format(Utf8(msg::kNoAskedPagesFormat), metrics_.pageCount),
                     Utf8(msg::kPrintCaption));
  }
}

bool TablePrintout::HasPage(int page) { return page >= 1 && page <= metrics_.pageCount; }

void TablePrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
  *minPage = *pageFrom = 1;
  *maxPage = *pageTo = metrics_.pageCount;
}

bool TablePrintout::OnPrintPage(int page) {
  if (!source_.data || !GetDC()) return false;
  wxDC& dc = *GetDC();
  const DrawingArea area = PrepareDc();
  const Document& doc = *source_.data;
  const int items = doc.items.GetSize();
  const wxSize digit = dc.GetTextExtent("0");
  metrics_ = Paginate();  // the preparation's numbers, unless the page changed since
  const PageMetrics& m = metrics_;
  const auto draw = [&](const wxString& text, int x, int y) {
    dc.DrawText(text, area.x + x, area.y + y);
  };

  PageTextValues values;
  values.itemCount = items;
  values.page = page;
  values.pageCount = m.pageCount;
  values.title = source_.title;
  values.clock = LocalPrintClock(source_.now());
  const auto pageText = [&](const std::string& pattern, int position, int y) {
    const wxString text = ToWx(ExpandPageText(pattern, values));
    draw(text, AlignedX(position, area.width, TextWidth(dc, text)), y);
  };
  if (source_.layout.header) pageText(source_.layout.headerText, source_.layout.headerPos, 0);
  if (source_.layout.footer) {
    pageText(source_.layout.footerText, source_.layout.footerPos, m.FooterY());
  }

  const int columns = std::min<int>(doc.ColumnCount(), source_.listWidths.size() + 1);
  const std::vector<int> x = ColumnPositions(std::span(source_.listWidths).first(columns - 1),
                                             digit.GetWidth(), source_.screenDigitWidth);
  const auto cell = [&](std::string_view text, int column, int y) {
    const wxString shown = ToWx(text);
    const bool right = (doc.settings.columns.formats[column] & kFormatRight) != 0;
    const int width = right ? TextWidth(dc, shown + "0") : 0;
    draw(shown, CellX(x[column - 1], x[column], right, width), y);
  };
  for (int c = 1; c < columns; ++c) {
    cell(FixedText(doc.settings.columns.names[c]), c, m.TitleY());
  }
  dc.SetPen(wxPen(*wxBLACK, std::max(m.lineHeight / 30, 1)));
  dc.DrawLine(area.x, area.y + m.RuleY(), area.x + area.width, area.y + m.RuleY());

  const RowRange rows = PageRows(m, page, items);
  lastPageRows_ = rows;
  for (int row = rows.first; row < rows.end; ++row) {
    const int y = m.RowY(row - rows.first);
    for (int c = 1; c < columns; ++c) cell(doc.items.Cell(row, c), c, y);
  }
  dc.SetFont(wxNullFont);
  return true;
}

}  // namespace listora
