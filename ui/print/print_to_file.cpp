#include "ui/print/print_to_file.h"

#include <gtk/gtk.h>
#include <wx/cmndata.h>
#include <wx/gtk/print.h>
#include <wx/stdpaths.h>

#include "ui/doc/listora_doc.h"

namespace listora {

std::filesystem::path ProposedPdfFile(const ListoraDoc& document) {
  const std::filesystem::path file = document.GetFilename().utf8_string();
  std::filesystem::path folder = file.parent_path();
  std::filesystem::path name = file.filename();
  if (!file.is_absolute()) {
    folder = wxStandardPaths::Get().GetDocumentsDir().utf8_string();
    name = document.GetUserReadableName().utf8_string();
  }
  return folder / name.replace_extension(".pdf");
}

void ProposePdfFile(wxPrintData& data, const std::filesystem::path& file, std::string& proposed) {
  data.ConvertToNative();
  auto* native = dynamic_cast<wxGtkPrintNativeData*>(data.GetNativeData());
  GtkPrintSettings* settings = native ? native->GetPrintConfig() : nullptr;
  if (!settings) return;
  const gchar* output = gtk_print_settings_get(settings, GTK_PRINT_SETTINGS_OUTPUT_URI);
  if (output && output != proposed) return;
  gchar* uri = g_filename_to_uri(file.c_str(), nullptr, nullptr);
  if (!uri) return;
  gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_URI, uri);
  gtk_print_settings_set(settings, GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT, "pdf");
  proposed = uri;
  g_free(uri);
}

}  // namespace listora
