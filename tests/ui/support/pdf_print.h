#pragma once
// Prints a printout into a PDF file the way the printer path drives it
// (prepare, page range, every page), without a print dialog: the pages are
// drawn on a cairo PDF surface of A4 paper at 72 dots per inch.

#include <filesystem>
#include <string>
#include <vector>

class wxPrintout;

namespace listora::test {

bool PrintToPdf(wxPrintout& printout, const std::filesystem::path& file);

// The text of each page of a PDF file, as pdftotext extracts it.
std::vector<std::string> PdfPages(const std::filesystem::path& file);

}  // namespace listora::test
