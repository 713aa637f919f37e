#pragma once
// The list's commands: selecting, deleting and showing rows, the search
// box's list search, and copying selected items as text and pasting text
// into the one selected item. They read the list's selection and change
// the document only through its edit methods.

namespace listora {

class ItemListCtrl;
class ListoraDoc;
class MainFrame;

// What a list command works on: the open document, the list that shows it
// and the main window, which owns the questions and holds the search box.
struct ListTarget {
  ListoraDoc& doc;
  ItemListCtrl& list;
  MainFrame& frame;
};

// `id` is the command's: which row to show, which column to copy, ...
void SelectAllRows(const ListTarget& target, int id);
void InvertSelection(const ListTarget& target, int id);
// Asks first.
void DeleteSelectedRows(const ListTarget& target, int id);
void ShowRowOfMove(const ListTarget& target, int id);
// The search box's list search; the text goes on top of the box's history.
void SearchList(const ListTarget& target, int id);
void CopyAllFields(const ListTarget& target, int id);
void CopyColumn(const ListTarget& target, int id);
void PasteAllFields(const ListTarget& target, int id);
void PasteColumn(const ListTarget& target, int id);

}  // namespace listora
