#include "ui/app/doc_template.h"

#include "core/base/messages.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/listora_view.h"
#include "ui/text/text_convert.h"

namespace listora {

CListoraDocTemplate::CListoraDocTemplate(wxDocManager* manager, ProgramState& program,
                                         CMainFrame& frame)
    : wxDocTemplate(manager, Utf8(msg::kDocumentKind), "*.ltb", wxString(), "ltb",
                    "Listora.Document", "Listora.View", wxCLASSINFO(CListoraDoc),
                    wxCLASSINFO(CListoraView)),
      program_(program),
      frame_(frame) {}

wxDocument* CListoraDocTemplate::DoCreateDocument() {
  auto* doc = new CListoraDoc;
  doc->SetProgram(program_);
  return doc;
}

wxView* CListoraDocTemplate::DoCreateView() { return new CListoraView(frame_); }

}  // namespace listora
