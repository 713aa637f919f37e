#include "ui/print/gtk_page_count.h"

#include <gtk/gtk.h>
#include <wx/dcprint.h>
#include <wx/gtk/print.h>

namespace listora {

namespace {

// wx keeps a printer DC's print data to itself; a member pointer taken
// through this class reads it. The class is never made.
struct PrinterDcAccess : wxGtkPrinterDCImpl {
  using wxGtkPrinterDCImpl::GetPrintData;
};

// GTK asks for the page count after wx has given its own; this answer is
// the one it prints by.
gboolean SetPageCount(GtkPrintOperation* operation, GtkPrintContext*, gpointer count) {
  gtk_print_operation_set_n_pages(operation, GPOINTER_TO_INT(count));
  return TRUE;
}

// The print job running on `dc`, if it is a printer's.
GtkPrintOperation* RunningOperation(wxDC* dc) {
  auto* printer = dynamic_cast<wxPrinterDC*>(dc);
  auto* impl = printer ? dynamic_cast<wxGtkPrinterDCImpl*>(printer->GetImpl()) : nullptr;
  if (!impl) return nullptr;
  // Every copy of the job's print data shares the native data, which holds
  // the running operation.
  wxPrintData& (wxGtkPrinterDCImpl::*printData)() = &PrinterDcAccess::GetPrintData;
  auto* native = dynamic_cast<wxGtkPrintNativeData*>((impl->*printData)().GetNativeData());
  return native ? native->GetPrintJob() : nullptr;
}

}  // namespace

void TellGtkThePageCount(wxDC* dc, int pageCount) {
  GtkPrintOperation* operation = RunningOperation(dc);
  if (!operation || pageCount < 1) return;
  g_signal_handlers_disconnect_matched(operation, G_SIGNAL_MATCH_FUNC, 0, 0, nullptr,
                                       reinterpret_cast<gpointer>(SetPageCount), nullptr);
  g_signal_connect(operation, "paginate", G_CALLBACK(SetPageCount), GINT_TO_POINTER(pageCount));
}

bool AskedPagesExist(wxDC* dc, int pageCount) {
  GtkPrintOperation* operation = RunningOperation(dc);
  GtkPrintSettings* settings =
      operation ? gtk_print_operation_get_print_settings(operation) : nullptr;
  if (!settings || gtk_print_settings_get_print_pages(settings) != GTK_PRINT_PAGES_RANGES)
    return true;
  gint count = 0;
  GtkPageRange* ranges = gtk_print_settings_get_page_ranges(settings, &count);
  bool any = count == 0;
  // GTK counts pages from 0.
  for (gint i = 0; i < count; ++i) any = any || ranges[i].start < pageCount;
  g_free(ranges);
  return any;
}

}  // namespace listora
