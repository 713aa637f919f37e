#include "ui/views/tree_menu.h"

#include <wx/menu.h>

#include "ui/base/command_ids.h"

namespace listora {

std::unique_ptr<wxMenu> MakeTreeMenu() {
  auto menu = std::make_unique<wxMenu>();
  const auto add = [&](int id, const char* text) { menu->Append(id, wxString::FromUTF8(text)); };
  add(cmd::kTreeExpandBelow, "選択アイテム以下をすべて開く(&O)");
  add(cmd::kTreeCollapseBelow, "選択アイテム以下をすべて閉じる(&C)");
  menu->AppendSeparator();
  add(cmd::kTreeExpandAll, "リスト内のアイテムをすべて開く(&P)");
  add(cmd::kTreeCollapseAll, "リスト内のアイテムをすべて閉じる(&Q)");
  menu->AppendSeparator();
  add(cmd::kTreeSearchInList, "このアイテムをリスト内で検索(&S)");
  menu->AppendSeparator();
  add(cmd::kTreeCopy, "アイテムをクリップボードにコピー(&A)");
  add(cmd::kTreeClear, "アイテムをすべてクリア(&D)");
  return menu;
}

}  // namespace listora
