#include "ui/views/file_drop.h"

#include <wx/docview.h>

#include "ui/app/doc_manager.h"
#include "ui/app/listora_app.h"

namespace listora {

bool IsSingleDocumentDrop(const wxArrayString& files) {
  if (files.size() != 1) return false;
  const wxString& path = files[0];
  const int dot = path.Find('.', true);
  const wxString extension = dot == wxNOT_FOUND ? path : path.Mid(dot + 1);
  return extension.IsSameAs("ltb", false);
}

bool MainWindowDrop::OnDropFiles(wxCoord, wxCoord, const wxArrayString& files) {
  if (!IsSingleDocumentDrop(files)) return false;
  // Opened after the drop has ended: opening may ask questions.
  const wxString path = files[0];
  wxTheApp->CallAfter([path] {
    if (CListoraDocManager* manager = TheApp().DocManager())
      manager->CreateDocument(path, wxDOC_SILENT);
  });
  return true;
}

}  // namespace listora
