// The main window: menus, pane commands, split layout, column and list
// commands.

#include <gtest/gtest.h>
#include <wx/accel.h>
#include <wx/combobox.h>
#include <wx/display.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/toolbar.h>

#include <fstream>
#include <memory>
#include <string>

#include "core/app/window_placement.h"
#include "core/base/settings_file.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/app/listora_doc_manager.h"
#include "ui/base/command_ids.h"
#include "ui/base/command_menu.h"
#include "ui/base/menu_label.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/frame_placement.h"
#include "ui/frame/main_frame.h"
#include "ui/frame/pane_splitter.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/list_menus.h"
#include "ui/panes/tree_pane.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"

namespace listora::test {
namespace {

MainFrame& Frame() { return *App().Frame(); }
ItemListCtrl& List() { return *App().Frame()->PaneWindows().list; }
void AddItems(int count) {
  ListoraDoc& doc = CurrentDoc();
  for (int i = 0; i < count; ++i) {
    ItemFields item;
    item.columns[0] = "0";
    item.columns[1] = "a" + std::to_string(i);
    TheData().items.AppendRow(item);
  }
  doc.Changed(DocHint::Kind::kItems);
  Pump();
}

TEST(MenuLabel, MnemonicMovesBeforeTheShortcut) {
  EXPECT_EQ(WxMenuLabel(U("新規作成\tCtrl+N(&N)")), U("新規作成(&N)\tCtrl+N"));
  EXPECT_EQ(WxMenuLabel(U("追加で開く\t\t\tCtrl+D(&D)")), U("追加で開く(&D)\tCtrl+D"));
  EXPECT_EQ(WxMenuLabel(U("自動挿入\t\tCtrl + J(&J)")), U("自動挿入(&J)\tCtrl+J"));
  EXPECT_EQ(WxMenuLabel(U("ヘルプ\t\tF1(&H)")), U("ヘルプ(&H)\tF1"));
  EXPECT_EQ(WxMenuLabel(U("名前を付けて保存(&A)...")), U("名前を付けて保存(&A)..."));
}

TEST(MainMenu, TitlesTextsPromptsAndEnabledEntries) {
  StartFresh();
  wxMenuBar* bar = Frame().GetMenuBar();
  const char* titles[] = {"ファイル(&F)", "編集(&E)",   "設定(&P)", "検索(&S)",  "表示(&V)",
                          "移動(&M)",     "ツール(&T)", "出力(&O)", "ヘルプ(&H)"};
  ASSERT_EQ(bar->GetMenuCount(), std::size(titles));
  for (size_t i = 0; i < std::size(titles); ++i) EXPECT_EQ(bar->GetMenuLabel(i), U(titles[i]));

  EXPECT_EQ(bar->FindItem(wxID_NEW)->GetItemLabel(), U("新規作成(&N)\tCtrl+N"));
  EXPECT_EQ(bar->FindItem(cmd::kAddColumn)->GetItemLabel(), U("カラムを追加(&I)"));
  EXPECT_EQ(bar->FindItem(cmd::kTreeToolBar)->GetItemLabel(), U("ツリービューのツールバー(&Y)"));
  EXPECT_EQ(bar->FindItem(cmd::kAutoInsert)->GetHelp(), U("アイテムをまとめて追加します"));
  EXPECT_EQ(bar->FindItem(cmd::kTreeGroup1 + 2)->GetItemLabel(), "No.&3");

  // Every command is in the program: its entries are enabled.
  wxMenu* settings = bar->GetMenu(2);
  settings->UpdateUI(&Frame());
  EXPECT_TRUE(settings->FindItem(cmd::kSettings)->IsEnabled());
  EXPECT_TRUE(settings->FindItem(cmd::kColumnSettings)->IsEnabled());
  wxMenu* edit = bar->GetMenu(1);
  edit->UpdateUI(&Frame());
  EXPECT_TRUE(edit->FindItem(cmd::kAddItem)->IsEnabled());
  EXPECT_TRUE(edit->FindItem(cmd::kAddColumn)->IsEnabled());
  EXPECT_TRUE(edit->FindItem(cmd::kSelectAll)->IsEnabled());

  // The document manager sees the print commands before the frame and
  // enables them while a document is open; Save stays enabled with nothing
  // changed.
  wxMenu* file = bar->GetMenu(0);
  file->UpdateUI(&Frame());
  EXPECT_TRUE(file->FindItem(cmd::kPrint)->IsEnabled());
  EXPECT_TRUE(file->FindItem(cmd::kPrintPreview)->IsEnabled());
  EXPECT_TRUE(file->FindItem(cmd::kPrintSetup)->IsEnabled());
  EXPECT_TRUE(file->FindItem(cmd::kPrintLayout)->IsEnabled());
  EXPECT_TRUE(file->FindItem(cmd::kSave)->IsEnabled());
  Frame().MainToolBar()->UpdateWindowUI();
  EXPECT_TRUE(Frame().MainToolBar()->GetToolEnabled(cmd::kPrint));
  EXPECT_TRUE(Frame().MainToolBar()->GetToolEnabled(cmd::kSave));
}

// The entries in order, "-" for a separator, a submenu's in brackets.
std::string Layout(const wxMenu& menu) {
  std::string shown;
  for (const wxMenuItem* item : menu.GetMenuItems()) {
    if (!shown.empty()) shown += "|";
    if (item->IsSeparator())
      shown += "-";
    else if (item->IsSubMenu())
      shown += item->GetItemLabel().utf8_string() + "[" + Layout(*item->GetSubMenu()) + "]";
    else
      shown += item->GetItemLabel().utf8_string();
  }
  return shown;
}

// The menus are built from the table of commands: its places give the
// order, separators, submenus and mnemonics; each key reaches its command,
// the first through the menu bar's entry, the others through the window.
TEST(MainMenu, MenusAndKeysComeFromTheTable) {
  StartFresh();
  wxMenuBar* bar = Frame().GetMenuBar();
  EXPECT_EQ(
      Layout(*bar->GetMenu(0)),
      "新規作成(&N)\tCtrl+N|開く...(&O)\tCtrl+O|追加で開く(&D)\tCtrl+D|インポート(&I)...|"
      "上書き保存(&S)\tCtrl+S|名前を付けて保存(&A)...|-|印刷...(&P)\tCtrl+P|"
      "印刷プレビュー(&V)|プリンタの設定(&R)...|印刷レイアウト設定(&L)|-|最近使ったファイル|-|"
      "アプリケーションの終了(&X)");
  EXPECT_EQ(Layout(*MakeEditMenu(nullptr)),
            "元に戻す(&U)\tCtrl+Z|やり直し(&R)\tCtrl+Y|-|アイテムの追加(&A)|アイテムの修正(&C)|-|"
            "カラムの設定(&S)|カラムを追加(&I)|-|すべての項目をコピー(&K)|"
            "選択項目をコピー(&X)[0|1|2|3|4|5|6|7|8|9]|-|すべての項目に貼り付け(&P)|"
            "選択項目へ貼り付け(&V)[0|1|2|3|4|5|6|7|8|9]|-|すべて選択(&F)|選択の切り替え(&J)|-|"
            "画像の関連付け(&G)|-|選択アイテムを削除(&D)|-|"
            "移動(&M)[先頭へ移動(&T)|中間へ移動(&M)|下へ移動(&B)]");
  EXPECT_EQ(Layout(*bar->GetMenu(6)),
            "自動挿入(&J)\tCtrl+J|アイテムの追加(&I)|ツリービュー(&T)[No.&1|No.&2|No.&3|No.&4]");
  EXPECT_EQ(Layout(*MakeColumnMenu()), "このカラムを削除(&D)|カラムの設定(&S)|カラムを追加(&A)");
  EXPECT_EQ(Layout(*bar->GetMenu(8)),
            "ヘルプ(&H)\tF1|-|バージョン情報(&A)...|-|アップデートチェック(&U)");

  const wxAcceleratorTable* keys = Frame().GetAcceleratorTable();
  ASSERT_NE(keys, nullptr);
  for (const Command& command : TheCommands()) {
    for (size_t k = 0; k < command.keys.size(); ++k) {
      const KeyStroke& stroke = command.keys[k];
      if (stroke.key == 0) continue;
      if (k == 0 && OnMenuBar(command)) {
        EXPECT_TRUE(
            bar->FindItem(command.id)
                ->GetItemLabel()
                .EndsWith("\t" + wxAcceleratorEntry(stroke.flags, stroke.key).ToRawString()))
            << command.id;
        continue;
      }
      wxKeyEvent event(wxEVT_KEY_DOWN);
      event.m_keyCode = stroke.key;
      event.m_controlDown = (stroke.flags & wxACCEL_CTRL) != 0;
      event.m_shiftDown = (stroke.flags & wxACCEL_SHIFT) != 0;
      event.m_altDown = (stroke.flags & wxACCEL_ALT) != 0;
      EXPECT_EQ(keys->GetCommand(event), command.id) << command.id << " key " << k;
    }
  }
}

TEST(MainMenu, ColumnSubmenusFollowTheColumnNames) {
  StartFresh();
  SettingsFile(SettingsPath()).WriteInt("Column", "Count", 2);
  App().DocManager()->CreateDocument(wxString(), wxDOC_NEW);
  Pump();
  wxMenuBar* bar = Frame().GetMenuBar();
  wxMenu* copy = bar->FindItem(cmd::kCopyColumn1)->GetMenu();
  ASSERT_EQ(copy->GetMenuItemCount(), 1u);
  EXPECT_EQ(copy->FindItemByPosition(0)->GetItemLabel(), "No.1(&1)");
  EXPECT_EQ(bar->FindItem(cmd::kPasteColumn1)->GetMenu()->GetMenuItemCount(), 1u);

  SendCommand(cmd::kAddColumn);
  ASSERT_EQ(copy->GetMenuItemCount(), 2u);
  EXPECT_EQ(copy->FindItemByPosition(1)->GetItemLabel(), "No.2(&2)");
  EXPECT_EQ(copy->FindItemByPosition(1)->GetId(), cmd::kCopyColumn1 + 1);
}

// Shown whole inside `area`'s client area, and wide enough for its text.
bool ShownWhole(const wxStaticText& label, const wxWindow& area) {
  const wxRect client(area.ClientToScreen(wxPoint(0, 0)), area.GetClientSize());
  const wxRect rect = label.GetScreenRect();
  return label.IsShownOnScreen() && client.Contains(rect) &&
         label.GetTextExtent(label.GetLabel()).x <= rect.width;
}

TEST(FrameLayout, NoGraphicsDriverIsLoaded) {
  // The toolkit would load one (tens of MiB resident) only to pick visuals.
  StartFresh();
  Frame().Update();
  std::ifstream maps("/proc/self/maps");
  std::string line;
  while (std::getline(maps, line)) {
    EXPECT_EQ(line.find("/dri/"), std::string::npos) << line;
    EXPECT_EQ(line.find("libLLVM"), std::string::npos) << line;
  }
}

TEST(FrameLayout, CountLabelsStayReadableAtTheMinimumSize) {
  StartFresh();
  const wxSize before = Frame().GetSize();
  Frame().Maximize(false);
  Frame().SetSize(Frame().GetMinSize());
  ASSERT_TRUE(PumpUntil([] { return Frame().GetSize() == Frame().GetMinSize(); }));
  Frame().SetTotalCount(8888888);
  Frame().SetSelectedCount(8888888);
  TreePane& tree = *App().Frame()->PaneWindows().tree;
  EXPECT_TRUE(PumpUntil([] { return ShownWhole(*Frame().TotalCountLabel(), Frame()); }));
  EXPECT_TRUE(ShownWhole(*Frame().SelectedCountLabel(), Frame()));
  EXPECT_TRUE(PumpUntil([&tree] { return ShownWhole(*tree.ParentCountLabel(), tree); }));

  Frame().SetSize(before);
  Pump();
}

// A place stored far off every screen (past what X coordinates hold, which
// would wrap it to another far-off place) opens the window centred on the
// primary screen, and what is stored at exit is a place on the screen.
TEST(FrameLayout, AWindowStoredOffEveryScreenOpensOnThePrimaryOne) {
  TempDir dir;
  SettingsFile settingsFile(dir / "Listora.ini");
  settingsFile.WriteInt("Main", "SizeMax", 1);
  settingsFile.WriteInt("Main", "SizeLeft", 100000);
  settingsFile.WriteInt("Main", "SizeTop", 100000);
  auto* frame = new wxFrame(nullptr, wxID_ANY, "placed");
  auto placement = std::make_unique<FramePlacement>(*frame, settingsFile);
  EXPECT_FALSE(placement->StartsMaximised());
  frame->Show();
  ASSERT_TRUE(PumpUntil([&] { return frame->IsShownOnScreen(); }));
  const wxRect screen = wxDisplay().GetClientArea();
  const wxRect shown = frame->GetRect();
  EXPECT_TRUE(screen.Contains(shown)) << shown.x << "," << shown.y;
  EXPECT_NEAR(shown.x + shown.width / 2, screen.x + screen.width / 2, 1);
  placement->Store();
  const WindowRect stored{
      settingsFile.GetInt("Main", "SizeLeft", 0), settingsFile.GetInt("Main", "SizeTop", 0),
      settingsFile.GetInt("Main", "SizeWidth", 0), settingsFile.GetInt("Main", "SizeHeight", 0)};
  const WindowRect screens[] = {{screen.x, screen.y, screen.width, screen.height}};
  EXPECT_TRUE(IsReachable(stored, screens)) << stored.left << "," << stored.top;
  frame->Destroy();
  Pump();
}

TEST(Panes, LastPaneStaysAndAHiddenColumnReturnsWithOnePane) {
  StartFresh();
  PaneGrid& grid = Frame().Panes();
  const PaneLayout& layout = CurrentDoc().Data().settings.layout;
  for (PaneId pane : {PaneId::kList, PaneId::kTree, PaneId::kText, PaneId::kImage})
    ASSERT_TRUE(grid.IsVisible(pane));

  SendCommand(cmd::kTreeView);
  SendCommand(cmd::kTextView);
  SendCommand(cmd::kImageView);
  SendCommand(cmd::kListView);
  EXPECT_TRUE(grid.IsVisible(PaneId::kList));
  EXPECT_EQ(layout.showList, 1);
  EXPECT_EQ(layout.showTree, 0);
  EXPECT_EQ(grid.Main().HiddenPane(), 1);

  // The right column comes back with only the pane that was asked for.
  SendCommand(cmd::kImageView);
  EXPECT_TRUE(grid.IsVisible(PaneId::kImage));
  EXPECT_FALSE(grid.IsVisible(PaneId::kTree));
  SendCommand(cmd::kTreeView);
  EXPECT_TRUE(grid.IsVisible(PaneId::kTree));

  // Hiding the list while the text is hidden hides the whole left column;
  // its width is kept for when it comes back.
  const int leftWidth = grid.Main().FirstSize();
  SendCommand(cmd::kListView);
  EXPECT_EQ(grid.Main().HiddenPane(), 0);
  EXPECT_TRUE(grid.IsVisible(PaneId::kTree) && grid.IsVisible(PaneId::kImage));
  SendCommand(cmd::kTextView);
  EXPECT_TRUE(grid.IsVisible(PaneId::kText));
  EXPECT_FALSE(grid.IsVisible(PaneId::kList));
  EXPECT_EQ(grid.Main().FirstSize(), leftWidth);
  EXPECT_EQ(layout.showList, 0);
  EXPECT_EQ(layout.showText, 1);
}

TEST(Panes, SplitsFollowTheStoredPercentages) {
  EXPECT_EQ(IdealFirstSize(1010, 7000), 700);
  EXPECT_EQ(IdealFirstSize(1011, 7000), 701);  // rounded up
  EXPECT_EQ(IdealFirstSize(5, 7000), 0);
  EXPECT_EQ(SplitFromSize(700, 1010), 7000);
  EXPECT_EQ(SplitFromSize(701, 1011), 7002);

  StartFresh();
  Frame().SetSize(1100, 760);
  Pump();
  const PaneSplitter& main = Frame().Panes().Main();
  const PaneSplitter& right = Frame().Panes().Right();
  EXPECT_EQ(main.GetSashPosition(), IdealFirstSize(main.GetClientSize().x, 7000));
  EXPECT_EQ(right.GetSashPosition(), IdealFirstSize(right.GetClientSize().y, 6000));
}

TEST(Columns, AddAndDeleteKeepTheirLimits) {
  StartFresh();
  ASSERT_EQ(List().GetColumnCount(), 5);
  for (int i = 0; i < 6; ++i) SendCommand(cmd::kAddColumn);
  EXPECT_EQ(List().GetColumnCount(), 11);
  EXPECT_TRUE(Script().asked.empty());
  SendCommand(cmd::kAddColumn);
  EXPECT_EQ(Script().Kinds(), std::vector<std::string>{"error"});
  EXPECT_EQ(Script().asked[0].text, U("カラム数が最大です"));
  EXPECT_EQ(List().GetColumnCount(), 11);
  EXPECT_TRUE(Frame().GetTitle().EndsWith("*"));

  ListoraDoc& doc = CurrentDoc();
  doc.DeleteColumn(2);
  ASSERT_EQ(List().GetColumnCount(), 10);
  EXPECT_EQ(List().ColumnTitle(2), "No.3");
  for (int i = 0; i < 8; ++i) doc.DeleteColumn(1);
  EXPECT_EQ(List().GetColumnCount(), 2);
  Script().Reset();
  doc.DeleteColumn(1);
  EXPECT_EQ(Script().Kinds(), std::vector<std::string>{"error"});
  EXPECT_EQ(Script().asked[0].text, U("これ以上削除できません"));
  EXPECT_EQ(List().GetColumnCount(), 2);
}

TEST(ListView, DeleteSelectedAsksAndKeepsTheRestInOrder) {
  StartFresh();
  AddItems(10);
  for (int row : {2, 5, 7}) List().Select(row, true);
  Pump();
  EXPECT_EQ(Frame().SelectedCountLabel()->GetLabel(), U("　選択アイテム数: 3"));

  Script().yesNo = {false};
  SendCommand(cmd::kDeleteSelected);
  EXPECT_EQ(Script().asked.at(0).text, U("選択項目を削除しますか？"));
  EXPECT_EQ(List().GetItemCount(), 10);

  Script().yesNo = {true};
  SendCommand(cmd::kDeleteSelected);
  ASSERT_EQ(List().GetItemCount(), 7);
  const char* expected[] = {"a0", "a1", "a3", "a4", "a6", "a8", "a9"};
  for (int row = 0; row < 7; ++row) EXPECT_EQ(List().GetItemText(row, 1), expected[row]);
  EXPECT_EQ(Frame().TotalCountLabel()->GetLabel(), U("　総アイテム数: 7"));
  EXPECT_EQ(Frame().SelectedCountLabel()->GetLabel(), U("　選択アイテム数: 0"));
  EXPECT_TRUE(CurrentDoc().IsModified());

  SendCommand(cmd::kSelectAll);
  EXPECT_EQ(Frame().SelectedCountLabel()->GetLabel(), U("　選択アイテム数: 7"));
  List().Select(0, false);
  SendCommand(cmd::kInvertSelection);
  EXPECT_EQ(List().GetSelectedItemCount(), 1);
  EXPECT_EQ(Frame().SelectedCountLabel()->GetLabel(), U("　選択アイテム数: 1"));
}

TEST(ListView, NothingSelectedDeletesNothingAndAsksNothing) {
  StartFresh();
  SendCommand(cmd::kDeleteSelected);
  SendCommand(cmd::kMoveMiddle);
  AddItems(3);
  SendCommand(cmd::kDeleteSelected);
  EXPECT_TRUE(Script().asked.empty());
  EXPECT_EQ(List().GetItemCount(), 3);
  EXPECT_FALSE(CurrentDoc().IsModified());
}

TEST(ListView, ListSearchMovesMatchesUpSelectsThemAndKeepsTheText) {
  StartFresh();
  SendCommand(cmd::kSearch);  // an empty list: nothing happens
  EXPECT_TRUE(Script().asked.empty());
  AddItems(12);                       // a0 .. a11
  CurrentDoc().SetSearchHistory({});  // a new document keeps the history
  Frame().SearchField()->SetValue("1");
  SendCommand(cmd::kSearch);
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"info"});
  EXPECT_EQ(List().GetItemText(0, 1), "a1");
  EXPECT_EQ(List().GetItemText(1, 1), "a10");
  EXPECT_EQ(List().GetItemText(2, 1), "a11");
  EXPECT_EQ(List().GetItemText(3, 1), "a0");
  EXPECT_EQ(List().GetSelectedItemCount(), 3);
  EXPECT_EQ(Frame().SelectedCountLabel()->GetLabel(), U("　選択アイテム数: 3"));
  SendCommand(cmd::kSearch);
  ASSERT_EQ(Frame().SearchField()->GetCount(), 2u);
  EXPECT_EQ(Frame().SearchField()->GetString(1), "1");
  EXPECT_FALSE(CurrentDoc().IsModified());
}

}  // namespace
}  // namespace listora::test
