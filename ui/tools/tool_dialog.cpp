#include "ui/tools/tool_dialog.h"

#include <wx/weakref.h>

#include "ui/doc/listora_doc.h"

namespace listora {

// Told by the document itself as it goes.
class ToolDialog::DocumentWatch : public wxWeakRef<ListoraDoc> {
 public:
  DocumentWatch(ListoraDoc* doc, ToolDialog& dialog)
      : wxWeakRef<ListoraDoc>(doc), dialog_(dialog) {}

  void OnObjectDestroy() override {
    wxWeakRef<ListoraDoc>::OnObjectDestroy();
    if (dialog_.IsModal()) dialog_.EndModal(wxID_CANCEL);
  }

 private:
  ToolDialog& dialog_;
};

ToolDialog::ToolDialog(const ToolContext& context, const wxString& title, long style)
    : wxDialog(context.owner, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, style),
      context_(context),
      watch_(std::make_unique<DocumentWatch>(context.doc, *this)) {}

ToolDialog::~ToolDialog() = default;

bool ToolDialog::TryBefore(wxEvent& event) {
  if (!watch_->get()) return true;
  return wxDialog::TryBefore(event);
}

}  // namespace listora
