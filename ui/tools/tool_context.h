#pragma once
// What every item tool is given: the open document, the list that shows it
// (for the selection and the highlighted cell) and the window that owns the
// tool's dialogs.

class wxWindow;

namespace listora {

class ListoraDoc;
class ItemListCtrl;

struct ToolContext {
  ListoraDoc* doc = nullptr;
  ItemListCtrl* list = nullptr;
  wxWindow* owner = nullptr;

  explicit operator bool() const { return doc && list; }
};

}  // namespace listora
