#include "ui/support/pdf_print.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>
#include <wx/cmndata.h>
#include <wx/gtk/print.h>
#include <wx/print.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/frame/main_frame.h"
#include "ui/support/gui_app.h"

namespace listora::test {

namespace {

// A dialog whose file printer is not selected by then is cancelled.
constexpr guint kDialogSeconds = 30;
// Printing that has not returned by then ends the test process.
constexpr auto kWatchdog = std::chrono::seconds(120);

// Without a dialog GTK would ask every print backend for the printer, and
// the print server's backend waits for a server the test machine lacks.
void UseFileBackendOnly() {
  g_object_set(gtk_settings_get_default(), "gtk-print-backends", "file", nullptr);
}

gboolean TakeFilePrinter(GtkPrinter* printer, gpointer name) {
  if (!gtk_printer_is_virtual(printer) || !gtk_printer_accepts_pdf(printer)) return FALSE;
  *static_cast<std::string*>(name) = gtk_printer_get_name(printer);
  return TRUE;
}

// "Print to File", in whatever language GTK speaks.
std::string FilePrinterName() {
  std::string name;
  gtk_enumerate_printers(TakeFilePrinter, &name, nullptr, TRUE);
  return name;
}

struct DialogAnswer {
  const PageRanges* pages = nullptr;
  bool answered = false;
  bool gaveUp = false;
  guint pollSource = 0;
  guint giveUpSource = 0;
};

// Each shown print dialog: `act` on it; true when there was one.
template <typename Act>
bool ForPrintDialogs(Act act) {
  bool any = false;
  GList* windows = gtk_window_list_toplevels();
  for (GList* node = windows; node; node = node->next) {
    if (GTK_IS_PRINT_UNIX_DIALOG(node->data) && gtk_widget_get_visible(GTK_WIDGET(node->data))) {
      any = act(GTK_PRINT_UNIX_DIALOG(node->data)) || any;
    }
  }
  g_list_free(windows);
  return any;
}

// Fills the dialog's page field and chooses it, as a user types the ranges.
void ChoosePages(GtkPrintUnixDialog* dialog, const PageRanges& pages) {
  std::vector<GtkPageRange> ranges;
  for (const auto& [first, last] : pages) ranges.push_back({first - 1, last - 1});
  GtkPrintSettings* settings = gtk_print_unix_dialog_get_settings(dialog);
  gtk_print_settings_set_print_pages(settings, GTK_PRINT_PAGES_RANGES);
  gtk_print_settings_set_page_ranges(settings, ranges.data(), static_cast<gint>(ranges.size()));
  gtk_print_unix_dialog_set_settings(dialog, settings);
  g_object_unref(settings);
}

// The printer list fills in the background; Print is pressed once the file
// printer the settings name is selected.
gboolean PressPrint(gpointer data) {
  auto* answer = static_cast<DialogAnswer*>(data);
  answer->answered = ForPrintDialogs([answer](GtkPrintUnixDialog* dialog) {
    if (!gtk_print_unix_dialog_get_selected_printer(dialog)) return false;
    if (!answer->pages->empty()) ChoosePages(dialog, *answer->pages);
    gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
    return true;
  });
  if (!answer->answered) return G_SOURCE_CONTINUE;
  answer->pollSource = 0;
  return G_SOURCE_REMOVE;
}

gboolean GiveUp(gpointer data) {
  auto* answer = static_cast<DialogAnswer*>(data);
  answer->gaveUp = true;
  ForPrintDialogs([](GtkPrintUnixDialog* dialog) {
    gtk_dialog_response(GTK_DIALOG(dialog), GTK_RESPONSE_CANCEL);
    return true;
  });
  answer->giveUpSource = 0;
  return G_SOURCE_REMOVE;
}

// Ends the process with a message when `run` has not returned in time: a
// print that hangs must fail the test, not stall the whole suite.
void WithWatchdog(const std::function<void()>& run) {
  std::mutex mutex;
  std::condition_variable finished;
  bool done = false;
  std::thread watchdog([&] {
    std::unique_lock lock(mutex);
    if (!finished.wait_for(lock, kWatchdog, [&] { return done; })) {
      std::fprintf(stderr, "FAILED: printing to PDF did not return within %lld s\n",
                   static_cast<long long>(kWatchdog.count()));
      std::fflush(stderr);
      std::_Exit(EXIT_FAILURE);
    }
  });
  run();
  {
    std::lock_guard lock(mutex);
    done = true;
  }
  finished.notify_one();
  watchdog.join();
}

}  // namespace

void UseFilePrinter(wxPrintData& data) {
  UseFileBackendOnly();
  data.SetPrinterName(wxString::FromUTF8(FilePrinterName()));
  data.ConvertToNative();
}

void PrintToPdfFile(wxPrintData& data, const std::filesystem::path& file) {
  UseFilePrinter(data);
  GtkPrintSettings* settings =
      static_cast<wxGtkPrintNativeData*>(data.GetNativeData())->GetPrintConfig();
  gchar* uri = g_filename_to_uri(std::filesystem::absolute(file).c_str(), nullptr, nullptr);
  gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_URI, uri);
  g_free(uri);
  gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT, "pdf");
}

bool AnswerPrintDialog(const std::function<void()>& print, const PageRanges& pages) {
  DialogAnswer answer;
  answer.pages = &pages;
  answer.pollSource = g_timeout_add(50, PressPrint, &answer);
  answer.giveUpSource = g_timeout_add_seconds(kDialogSeconds, GiveUp, &answer);
  WithWatchdog(print);
  if (answer.pollSource) g_source_remove(answer.pollSource);
  if (answer.giveUpSource) g_source_remove(answer.giveUpSource);
  if (answer.gaveUp) {
    ADD_FAILURE() << "the print dialog had no printer selected within " << kDialogSeconds << " s";
  }
  return answer.answered && !answer.gaveUp;
}

bool PrintToPdf(wxPrintout& printout, const std::filesystem::path& file, const PageRanges& pages) {
  wxPrintDialogData dialogData;
  PrintToPdfFile(dialogData.GetPrintData(), file);
  wxPrinter printer(&dialogData);
  bool printed = false;
  const bool answered =
      AnswerPrintDialog([&] { printed = printer.Print(App().Frame(), &printout, true); }, pages);
  return answered && printed && std::filesystem::exists(file);
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
