#pragma once
// The one document type: wx's template, which also hands every document it
// creates the program-wide state before the document is first used, and
// every view the main frame whose panes it shows the document in.

#include <wx/docview.h>

namespace listora {

class MainFrame;
struct ProgramState;

class ListoraDocTemplate : public wxDocTemplate {
 public:
  // Registers itself with `manager`, which deletes it.
  ListoraDocTemplate(wxDocManager* manager, ProgramState& program, MainFrame& frame);

 protected:
  wxDocument* DoCreateDocument() override;
  wxView* DoCreateView() override;

 private:
  ProgramState& program_;
  MainFrame& frame_;
};

}  // namespace listora
