#include "ui/support/pdf_print.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <wx/dc.h>  // ahead of wx/dcgraph.h, which needs the build settings
#include <wx/dcgraph.h>
#include <wx/graphics.h>
#include <wx/print.h>

#include <cstdlib>
#include <memory>

#include "support/test_support.h"

namespace listora::test {

namespace {

constexpr int kA4Width = 595;  // points
constexpr int kA4Height = 842;

}  // namespace

bool PrintToPdf(wxPrintout& printout, const std::filesystem::path& file) {
  cairo_surface_t* surface = cairo_pdf_surface_create(file.string().c_str(), kA4Width, kA4Height);
  cairo_t* cr = cairo_create(surface);
  bool ok = true;
  {
    wxGCDC dc(wxGraphicsRenderer::GetCairoRenderer()->CreateContextFromNativeContext(cr));
    printout.SetDC(&dc);
    printout.SetPPIScreen(96, 96);
    printout.SetPPIPrinter(72, 72);
    printout.SetPageSizePixels(kA4Width, kA4Height);
    printout.SetPaperRectPixels(wxRect(0, 0, kA4Width, kA4Height));
    printout.SetPageSizeMM(210, 297);
    printout.OnPreparePrinting();
    int minPage = 0, maxPage = 0, from = 0, to = 0;
    printout.GetPageInfo(&minPage, &maxPage, &from, &to);
    printout.OnBeginPrinting();
    ok = printout.OnBeginDocument(from, to);
    for (int page = from; ok && page <= to && printout.HasPage(page); ++page) {
      ok = printout.OnPrintPage(page);
      cairo_show_page(cr);
    }
    printout.OnEndDocument();
    printout.OnEndPrinting();
    printout.SetDC(nullptr);
  }
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  ok = ok && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return ok;
}

std::vector<std::string> PdfPages(const std::filesystem::path& file) {
  const std::filesystem::path text = file.string() + ".txt";
  const std::string command =
      "pdftotext -enc UTF-8 '" + file.string() + "' '" + text.string() + "'";
  if (std::system(command.c_str()) != 0) return {};
  const std::string all = ReadAll(text);
  // pdftotext ends every page with a form feed.
  std::vector<std::string> pages;
  std::size_t from = 0;
  for (std::size_t ff = all.find('\f'); ff != std::string::npos; ff = all.find('\f', from)) {
    pages.push_back(all.substr(from, ff - from));
    from = ff + 1;
  }
  return pages;
}

}  // namespace listora::test
