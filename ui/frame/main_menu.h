#pragma once
// The main window's menu bar (menu 128).

class wxMenu;
class wxMenuBar;

namespace listora {

struct MainMenus {
  wxMenuBar* bar = nullptr;
  wxMenu* file = nullptr;          // "ファイル(&F)", with the recent files
  wxMenu* copyColumns = nullptr;   // "選択項目をコピー(&X)"
  wxMenu* pasteColumns = nullptr;  // "選択項目へ貼り付け(&V)"
};

MainMenus MakeMainMenuBar();

}  // namespace listora
