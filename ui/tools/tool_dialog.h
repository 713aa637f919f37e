#pragma once
// The base of the item tools' dialogs that work on the open document: each
// is tied to the document it was opened on. Should that document close
// while the dialog is open, the dialog ends at once, cancelled, and handles
// nothing more: an edit meant for one document never reaches another.

#include <wx/dialog.h>

#include <memory>

#include "ui/tools/tool_context.h"

namespace listora {

class ToolDialog : public wxDialog {
 public:
  ToolDialog(const ToolContext& context, const wxString& title,
             long style = wxDEFAULT_DIALOG_STYLE);
  ~ToolDialog() override;

 protected:
  // Lets no event through once the document is gone.
  bool TryBefore(wxEvent& event) override;

  ToolContext context_;

 private:
  class DocumentWatch;
  std::unique_ptr<DocumentWatch> watch_;
};

}  // namespace listora
