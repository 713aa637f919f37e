#pragma once
// "カラムを追加" and "このカラムを削除" (the column whose header was chosen).

class wxCommandEvent;

namespace listora {

struct CommandScope;

void RunAddColumn(CommandScope& scope, wxCommandEvent& event);
void RunDeleteColumn(CommandScope& scope, wxCommandEvent& event);

}  // namespace listora
