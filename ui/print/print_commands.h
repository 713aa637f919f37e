#pragma once
// What the print commands take from the program: the print job's source
// for the list view's printout, and the print layout command. Printing,
// preview and printer set-up themselves are the document manager's.

class wxFrame;

namespace listora {

class CListoraDoc;
class CItemListCtrl;
struct PrintSource;
struct ProgramState;

// The print layout command (the layout dialog) on the main window: it
// changes the program's print layout and writes it to the settings file.
void BindPrintCommands(wxFrame& frame, ProgramState& program);

// The open document as the list shows it.
PrintSource ScreenPrintSource(const CListoraDoc& doc, const CItemListCtrl* list);

}  // namespace listora
