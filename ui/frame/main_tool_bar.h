#pragma once
// The main tool bar (tool bar 128) with the search box and the two count
// labels built into it.

class wxStaticText;
class wxToolBar;
class wxString;

namespace listora {

class CSearchBox;

struct MainToolBarControls {
  CSearchBox* searchBox = nullptr;
  wxStaticText* totalCount = nullptr;
  wxStaticText* selectedCount = nullptr;
};

MainToolBarControls PopulateMainToolBar(wxToolBar& toolBar);

// "　総アイテム数: %d" and "　選択アイテム数: %d".
wxString TotalCountText(int count);
wxString SelectedCountText(int count);

}  // namespace listora
