#pragma once
// The main tool bar (tool bar 128) with the search box, and the two count
// labels on its right. When the window is too narrow for all of it on one
// row, the labels wrap onto a second row rather than being cut off.

class wxStaticText;
class wxToolBar;
class wxString;
class wxWindow;

namespace listora {

class SearchBox;

struct MainToolBarControls {
  wxWindow* bar = nullptr;  // the whole bar, shown and hidden as one
  wxToolBar* tools = nullptr;
  SearchBox* searchBox = nullptr;
  wxStaticText* totalCount = nullptr;
  wxStaticText* selectedCount = nullptr;
};

// The bar as a child of `frame`, which places it above the panes.
MainToolBarControls CreateMainToolBar(wxWindow& frame);

// "　総アイテム数: %d" and "　選択アイテム数: %d".
wxString TotalCountText(int count);
wxString SelectedCountText(int count);

}  // namespace listora
