#pragma once
// The one document type: wx's template, which also hands every document it
// creates the program-wide state before the document is first used.

#include <wx/docview.h>

namespace listora {

struct ProgramState;

class CListoraDocTemplate : public wxDocTemplate {
 public:
  // Registers itself with `manager`, which deletes it.
  CListoraDocTemplate(wxDocManager* manager, ProgramState& program);

 protected:
  wxDocument* DoCreateDocument() override;

 private:
  ProgramState& program_;
};

}  // namespace listora
