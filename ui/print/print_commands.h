#pragma once
// What the print commands take from the program: the print job's source
// for the list view's printout, and the print layout command. Printing,
// preview and printer set-up themselves are the document manager's.

class wxWindow;

namespace listora {

class ListoraDoc;
class ItemListCtrl;
struct PrintSource;

// The print layout command (the layout dialog, owned by `owner`): it
// changes the document's print layout and writes it to the settings file,
// where new documents take it from.
void EditPrintLayout(wxWindow* owner, ListoraDoc& doc);

// The open document as the list shows it.
PrintSource ScreenPrintSource(const ListoraDoc& doc, const ItemListCtrl* list);

}  // namespace listora
