#pragma once
// The one document type: wx's template, which also hands every document it
// creates the program-wide state before the document is first used, and
// every view the main frame whose panes it shows the document in.

#include <wx/docview.h>

namespace listora {

class CMainFrame;
struct ProgramState;

class CListoraDocTemplate : public wxDocTemplate {
 public:
  // Registers itself with `manager`, which deletes it.
  CListoraDocTemplate(wxDocManager* manager, ProgramState& program, CMainFrame& frame);

 protected:
  wxDocument* DoCreateDocument() override;
  wxView* DoCreateView() override;

 private:
  ProgramState& program_;
  CMainFrame& frame_;
};

}  // namespace listora
