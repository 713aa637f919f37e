#include "ui/app/listora_doc_template.h"

#include "core/base/messages.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/listora_view.h"
#include "ui/text/text_convert.h"

namespace listora {

ListoraDocTemplate::ListoraDocTemplate(wxDocManager* manager, ProgramState& program,
                                       MainFrame& frame)
    : wxDocTemplate(manager, Utf8(msg::kDocumentKind), "*.ltb", wxString(), "ltb",
                    "Listora.Document", "Listora.View", wxCLASSINFO(ListoraDoc),
                    wxCLASSINFO(ListoraView)),
      program_(program),
      frame_(frame) {}

wxDocument* ListoraDocTemplate::DoCreateDocument() {
  auto* doc = new ListoraDoc;
  doc->SetProgram(program_, &frame_);
  return doc;
}

wxView* ListoraDocTemplate::DoCreateView() { return new ListoraView(frame_); }

}  // namespace listora
