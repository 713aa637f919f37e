#pragma once
// The printed table (and its preview): a header line, the column titles
// with a rule under them, one line per item and a footer line, placed by
// the core's page arithmetic (core/print). Every length is worked out in
// dots of a nominal 600-dpi printer, so margins and the font size mean the
// same on any printer and in the preview.

#include <wx/print.h>

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "core/print/page_layout.h"
#include "core/print/print_layout.h"

class wxFont;

namespace listora {

struct Document;

// What a print job takes from the program when it starts.
struct PrintSource {
  const Document* data = nullptr;  // items in their current order, columns
  PrintLayout layout;
  // Widths of columns 1..C-1 as the list shows them, and the width of "0"
  // in the list's font: printed columns keep their on-screen proportions.
  std::vector<int> listWidths;
  int screenDigitWidth = 0;
  std::string title;  // CP932, for "%F"
  std::function<std::time_t()> now = [] { return std::time(nullptr); };
};

class TablePrintout : public wxPrintout {
 public:
  explicit TablePrintout(PrintSource source);

  void OnPreparePrinting() override;
  bool HasPage(int page) override;
  void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
  bool OnPrintPage(int page) override;

  // The page arithmetic of the last preparation.
  const PageMetrics& Metrics() const { return metrics_; }
  // The page arithmetic of the page size wx has given, which the printer
  // and the preview give alike; it asks nothing of a DC.
  PageMetrics Paginate() const;
  // The rows the last page drawn holds.
  const RowRange& LastPageRows() const { return lastPageRows_; }

 private:
  // The page's size in nominal dots.
  void NominalPageSize(int* width, int* height) const;
  // Sets the DC's scale to nominal dots and the print font; returns the
  // drawing area left by the margins, in nominal dots.
  DrawingArea PrepareDc();
  wxFont PrintFont(wxDC& dc) const;

  PrintSource source_;
  PageMetrics metrics_;
  RowRange lastPageRows_;
  bool warned_ = false;
};

}  // namespace listora
