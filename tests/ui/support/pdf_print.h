#pragma once
// Prints into a PDF file through the toolkit's printing, as a user does
// with "Print to File" in the GTK print dialog: the dialog comes up with
// the file printer and the file chosen, and the test presses its Print
// button as soon as the printer is selected. Only GTK's file backend is
// loaded in the test process, so no print server is ever waited for; a
// watchdog cancels a dialog that never becomes ready and ends the process
// if printing still has not returned.

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class wxPrintData;
class wxPrintout;

namespace listora::test {

// Points `data` at GTK's file printer, leaving its file as it is.
void UseFilePrinter(wxPrintData& data);
// Points `data` at GTK's file printer writing a PDF to `file`.
void PrintToPdfFile(wxPrintData& data, const std::filesystem::path& file);

// Pages to print, as first and last page numbers from 1, as typed into the
// dialog's "Pages" field; none for all pages.
using PageRanges = std::vector<std::pair<int, int>>;

// Runs `print` (which shows the toolkit's print dialog, through wxPrinter
// or a print command) while the dialog is answered as above, with `pages`
// put into its page field first. False when the dialog was not answered
// in time.
bool AnswerPrintDialog(const std::function<void()>& print, const PageRanges& pages = {});

// `printout` printed with a printer of the file printer's settings.
bool PrintToPdf(wxPrintout& printout, const std::filesystem::path& file,
                const PageRanges& pages = {});

// The text of each page of a PDF file, as pdftotext extracts it.
std::vector<std::string> PdfPages(const std::filesystem::path& file);

}  // namespace listora::test
