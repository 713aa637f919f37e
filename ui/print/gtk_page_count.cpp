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

}  // namespace

void TellGtkThePageCount(wxDC* dc, int pageCount) {
  auto* printer = dynamic_cast<wxPrinterDC*>(dc);
  auto* impl = printer ? dynamic_cast<wxGtkPrinterDCImpl*>(printer->GetImpl()) : nullptr;
  if (!impl || pageCount < 1) return;
  // Every copy of the job's print data shares the native data, which holds
  // the running operation.
  wxPrintData& (wxGtkPrinterDCImpl::*printData)() = &PrinterDcAccess::GetPrintData;
  auto* native = dynamic_cast<wxGtkPrintNativeData*>((impl->*printData)().GetNativeData());
  GtkPrintOperation* operation = native ? native->GetPrintJob() : nullptr;
  if (!operation) return;
  g_signal_handlers_disconnect_matched(operation, G_SIGNAL_MATCH_FUNC, 0, 0, nullptr,
                                       reinterpret_cast<gpointer>(SetPageCount), nullptr);
  g_signal_connect(operation, "paginate", G_CALLBACK(SetPageCount), GINT_TO_POINTER(pageCount));
}

}  // namespace listora
