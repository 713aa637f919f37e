#pragma once
// Where the file choosers for documents and exports start: in the open
// document's folder; for a document never saved, in the folder of the file
// chosen last in this run; else in the user's documents folder
// (XDG_DOCUMENTS_DIR, else home). Never in the process's working folder,
// which for an installed program is the program's own.

#include <wx/string.h>

class wxDocument;

namespace listora {

struct ProgramState;

wxString ChooserFolder(const wxDocument* open, const ProgramState& program);
// Notes the folder of a file the user chose; an empty path changes nothing.
void RememberChosenFile(const wxString& chosen, ProgramState& program);

}  // namespace listora
