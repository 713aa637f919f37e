#pragma once
// The four panes, as the main frame creates them and hands them to whoever
// shows the document in them. A pane that is not there is null.

namespace listora {

class CItemListCtrl;
class CTreePane;
class CTextPane;
class CImagePane;

struct PaneSet {
  CItemListCtrl* list = nullptr;
  CTreePane* tree = nullptr;
  CTextPane* text = nullptr;
  CImagePane* image = nullptr;
};

}  // namespace listora
