#pragma once
// The four panes, as the main frame creates them and hands them to whoever
// shows the document in them. A pane that is not there is null.

namespace listora {

class ItemListCtrl;
class TreePane;
class TextPane;
class ImagePane;

struct PaneSet {
  ItemListCtrl* list = nullptr;
  TreePane* tree = nullptr;
  TextPane* text = nullptr;
  ImagePane* image = nullptr;
};

}  // namespace listora
