#include "ui/app/command_table.h"

#include <wx/accel.h>
#include <wx/artprov.h>
#include <wx/event.h>

#include "ui/app/app_commands.h"
#include "ui/app/append_open_command.h"
#include "ui/app/column_commands.h"
#include "ui/app/command_scope.h"
#include "ui/app/export_command.h"
#include "ui/app/listora_doc_manager.h"
#include "ui/app/table_import_command.h"
#include "ui/app/undo_commands.h"
#include "ui/base/command_ids.h"
#include "ui/base/focused_text_edit.h"
#include "ui/base/recent_files.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/list_commands.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/image_pane.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/tree_pane.h"
#include "ui/print/print_commands.h"
#include "ui/tools/auto_insert_dialog.h"
#include "ui/tools/column_settings_dialog.h"
#include "ui/tools/duplicates_dialog.h"
#include "ui/tools/find_replace_dialog.h"
#include "ui/tools/item_entry_dialog.h"

namespace listora {

namespace {

// Handlers of the list, the window, its panes and the document manager,
// called with the event; nothing happens while the one they belong to is
// missing.
template <void (*command)(const ListTarget&, int id)>
void ListRuns(CommandScope& scope, wxCommandEvent& event) {
  const ToolContext context = scope.Tools();
  if (context && scope.frame) command({*context.doc, *context.list, *scope.frame}, event.GetId());
}

template <void (MainFrame::*handler)(wxCommandEvent&)>
void FrameRuns(CommandScope& scope, wxCommandEvent& event) {
  if (MainFrame* frame = scope.frame.get()) (frame->*handler)(event);
}

template <void (MainFrame::*handler)(wxUpdateUIEvent&)>
void FrameUpdates(CommandScope& scope, wxUpdateUIEvent& event) {
  if (MainFrame* frame = scope.frame.get()) (frame->*handler)(event);
}

template <void (TreePane::*handler)(wxCommandEvent&)>
void TreeRuns(CommandScope& scope, wxCommandEvent& event) {
  if (TreePane* tree = scope.Panes().tree) (tree->*handler)(event);
}

template <void (ImagePane::*handler)(wxCommandEvent&)>
void ImageRuns(CommandScope& scope, wxCommandEvent& event) {
  if (ImagePane* image = scope.Panes().image) (image->*handler)(event);
}

template <void (ListoraDocManager::*handler)(wxCommandEvent&)>
void ManagerRuns(CommandScope& scope, wxCommandEvent& event) {
  (scope.docs.*handler)(event);
}

// An item tool on the open document and its list.
template <void (*tool)(const ToolContext&)>
void ToolRuns(CommandScope& scope, wxCommandEvent&) {
  if (const ToolContext context = scope.Tools()) tool(context);
}

// Copy, cut, paste and undo from the keyboard.
void EditsFocusedText(CommandScope&, wxCommandEvent& event) { EditFocusedText(event); }

// The image pane carries the one image association, whichever pane is
// active.
void AssociateImage(CommandScope& scope, wxCommandEvent&) {
  if (ImagePane* image = scope.Panes().image) image->AssociateImage();
}

void EditLayout(CommandScope& scope, wxCommandEvent&) {
  if (ListoraDoc* doc = scope.Doc()) EditPrintLayout(scope.frame.get(), *doc);
}

// A recent-file entry is enabled only while the list holds a file for it.
void RecentFileUpdates(CommandScope& scope, wxUpdateUIEvent& event) {
  event.Enable(static_cast<size_t>(event.GetId() - cmd::kRecentFile1) <
               scope.docs.GetHistoryFilesCount());
}

// The enabling rules entries share.
void HasDocument(CommandScope& scope, wxUpdateUIEvent& event) {
  event.Enable(scope.Doc() != nullptr);
}

void HasItems(CommandScope& scope, wxUpdateUIEvent& event) {
  const ListoraDoc* doc = scope.Doc();
  event.Enable(doc && doc->Data().items.GetSize() > 0);
}

void HasSelection(CommandScope& scope, wxUpdateUIEvent& event) {
  const ToolContext context = scope.Tools();
  event.Enable(context && context.list->GetSelectedItemCount() > 0);
}

// A paste writes into exactly one selected item.
void HasOneSelected(CommandScope& scope, wxUpdateUIEvent& event) {
  const ToolContext context = scope.Tools();
  event.Enable(context && context.list->GetSelectedItemCount() == 1);
}

constexpr KeyStroke Ctrl(int key) { return {wxACCEL_CTRL, key}; }
constexpr KeyStroke Shift(int key) { return {wxACCEL_SHIFT, key}; }

constexpr MenuPlace In(MenuId menu, int at, char mnemonic = 0) {
  return {menu, at, false, mnemonic};
}
// After a separator.
constexpr MenuPlace After(MenuId menu, int at, char mnemonic = 0) {
  return {menu, at, true, mnemonic};
}
constexpr ToolSlot Tool(int at, const char* art, char letter) {
  return {ToolBarId::kMain, at, false, art, letter};
}
constexpr ToolSlot ToolAfter(int at, const char* art, char letter) {
  return {ToolBarId::kMain, at, true, art, letter};
}

using enum MenuId;

// The menu bar's menus and the menus inside others.
const SubmenuPlace kSubmenus[] = {
    {kFile, Tx("ファイル(&F)"), In(kBar, 10)},
    {kEdit, Tx("編集(&E)"), In(kBar, 20)},
    {kSettings, Tx("設定(&P)"), In(kBar, 30)},
    {kSearch, Tx("検索(&S)"), In(kBar, 40)},
    {kView, Tx("表示(&V)"), In(kBar, 50)},
    {kMove, Tx("移動(&M)"), In(kBar, 60)},
    {kTools, Tx("ツール(&T)"), In(kBar, 70)},
    {kExport, Tx("出力(&O)"), In(kBar, 80)},
    {kHelp, Tx("ヘルプ(&H)"), In(kBar, 90)},
    {kMove, Tx("移動(&M)"), After(kEdit, 150)},
    {kTreeGroups, Tx("ツリービュー(&T)"), In(kTools, 30)},
};

const Command kCommands[] = {
    // The File menu.
    {.id = cmd::kNew,
     .menuText = Tx("新規作成(&N)"),
     .prompt = Tx("新しいファイルを作成します"),
     .tip = Tx("新規作成"),
     .menus = {In(kFile, 10)},
     .tool = Tool(10, wxART_NEW, 'N'),
     .keys = {Ctrl('N')}},
    {.id = cmd::kOpen,
     .menuText = Tx("開く...(&O)"),
     .prompt = Tx("既存のファイルを開きます"),
     .tip = Tx("開く"),
     .menus = {In(kFile, 20)},
     .tool = Tool(20, wxART_FILE_OPEN, 'O'),
     .keys = {Ctrl('O')}},
    {.id = cmd::kAppendOpen,
     .menuText = Tx("追加で開く(&D)"),
     .prompt = Tx("現在のアイテムに追加でファイルを開きます"),
     .tip = Tx("追加で開く"),
     .menus = {In(kFile, 30)},
     .keys = {Ctrl('D')},
     .run = RunAppendOpen,
     .update = HasDocument},
    {.id = cmd::kImport,
     .menuText = Tx("インポート(&I)..."),
     .prompt = Tx("CSVファイルやテキストファイルからアイテムを取り込みます"),
     .tip = Tx("インポート"),
     .menus = {In(kFile, 40)},
     .run = RunTableImport,
     .update = HasDocument},
    // Save stores whatever is open, so it is never greyed out for want of a
    // change (wxDocManager's own rule).
    {.id = cmd::kSave,
     .menuText = Tx("上書き保存(&S)"),
     .prompt = Tx("ファイルを上書き保存します"),
     .tip = Tx("上書き保存"),
     .menus = {In(kFile, 50)},
     .tool = Tool(30, wxART_FILE_SAVE, 'S'),
     .keys = {Ctrl('S')},
     .update = HasDocument},
    {.id = cmd::kSaveAs,
     .menuText = Tx("名前を付けて保存(&A)..."),
     .prompt = Tx("ファイルに名前を付けて保存します"),
     .tip = Tx("名前を付けて保存"),
     .menus = {In(kFile, 60)}},
    {.id = cmd::kPrint,
     .menuText = Tx("印刷...(&P)"),
     .prompt = Tx("アイテムを印刷します"),
     .tip = Tx("印刷"),
     .menus = {After(kFile, 70)},
     .tool = ToolAfter(40, wxART_PRINT, 'P'),
     .keys = {Ctrl('P')},
     .run = ManagerRuns<&ListoraDocManager::OnPrintOrPreview>},
    {.id = cmd::kPrintPreview,
     .menuText = Tx("印刷プレビュー(&V)"),
     .prompt = Tx("印刷イメージを表示します"),
     .tip = Tx("印刷プレビュー"),
     .menus = {In(kFile, 80)},
     .run = ManagerRuns<&ListoraDocManager::OnPrintOrPreview>},
    {.id = cmd::kPrintSetup,
     .menuText = Tx("プリンタの設定(&R)..."),
     .prompt = Tx("プリンタと印刷の設定を変更します"),
     .tip = Tx("プリンタの設定"),
     .menus = {In(kFile, 90)}},
    {.id = cmd::kPrintLayout,
     .menuText = Tx("印刷レイアウト設定(&L)"),
     .menus = {In(kFile, 100)},
     .run = EditLayout,
     .update = HasDocument},
    // Ahead of wxDocManager, which would drop an entry whenever opening it
    // did not happen, a cancelled save question included.
    {.id = cmd::kRecentFile1,
     .lastId = cmd::kRecentFile1 + kRecentFileCount - 1,
     .menus = {After(kFile, 110)},
     .run = ManagerRuns<&ListoraDocManager::OnRecentFile>,
     .update = RecentFileUpdates},
    {.id = cmd::kExit,
     .menuText = Tx("アプリケーションの終了(&X)"),
     .prompt = Tx("Listoraを終了します"),
     .tip = Tx("終了"),
     .menus = {After(kFile, 120)}},

    // The Edit menu and the list's context menu. wxDocManager would give
    // undo and redo to a command processor; the document keeps its own
    // history, and a focused text field its own.
    {.id = cmd::kUndo,
     .menuText = Tx("元に戻す(&U)"),
     .prompt = Tx("直前の操作を元に戻します"),
     .tip = Tx("元に戻す"),
     .menus = {In(kEdit, 10)},
     .keys = {Ctrl('Z'), KeyStroke{wxACCEL_ALT, WXK_BACK}},
     .run = UndoOrRedo,
     .update = UpdateUndoOrRedo},
    {.id = cmd::kRedo,
     .menuText = Tx("やり直し(&R)"),
     .prompt = Tx("元に戻した操作をやり直します"),
     .tip = Tx("やり直し"),
     .menus = {In(kEdit, 20)},
     .keys = {Ctrl('Y'), KeyStroke{wxACCEL_CTRL | wxACCEL_SHIFT, 'Z'}},
     .run = UndoOrRedo,
     .update = UpdateUndoOrRedo},
    {.id = cmd::kAddItem,
     .menuText = Tx("アイテムの追加(&I)"),
     .prompt = Tx("アイテムを追加します"),
     .menus = {After(kEdit, 30, 'A'), In(kTools, 20)},
     .tool = ToolAfter(130, wxART_PLUS, '+'),
     .run = ToolRuns<&RunAddItem>,
     .update = HasDocument},
    {.id = cmd::kModifyItem,
     .menuText = Tx("アイテムの修正(&C)"),
     .prompt = Tx("選択アイテムを修正します"),
     .menus = {In(kEdit, 40)},
     .tool = Tool(140, wxART_EDIT, 'C'),
     .run = ToolRuns<&RunModifyItems>,
     .update = HasSelection},
    {.id = cmd::kColumnSettings,
     .menuText = Tx("カラムの設定(&C)"),
     .prompt = Tx("カラムを設定します"),
     .tip = Tx("カラム設定"),
     .menus = {In(kSettings, 10), After(kEdit, 50, 'S'), In(kColumn, 20, 'S')},
     .run = ToolRuns<&RunColumnSettings>,
     .update = HasDocument},
    {.id = cmd::kAddColumn,
     .menuText = Tx("カラムを追加(&I)"),
     .prompt = Tx("カラムを追加します"),
     .tip = Tx("カラムを追加"),
     .menus = {In(kEdit, 60), In(kColumn, 30, 'A')},
     .tool = Tool(160, wxART_ADD_BOOKMARK, 'A'),
     .run = RunAddColumn,
     .update = HasDocument},
    {.id = cmd::kDeleteColumn,
     .menuText = Tx("このカラムを削除(&D)"),
     .menus = {In(kColumn, 10)},
     .run = RunDeleteColumn,
     .update = HasDocument},
    {.id = cmd::kCopyAllFields,
     .menuText = Tx("すべての項目をコピー(&K)"),
     .menus = {After(kEdit, 70)},
     .run = ListRuns<&CopyAllFields>,
     .update = HasSelection},
    // The entries of the copy and paste submenus are named after the
    // document's columns.
    {.id = cmd::kCopyColumn1,
     .lastId = cmd::kCopyColumn10,
     .menuText = Tx("選択項目をコピー(&X)"),
     .menus = {In(kEdit, 80)},
     .run = ListRuns<&CopyColumn>,
     .update = HasSelection},
    {.id = cmd::kPasteAllFields,
     .menuText = Tx("すべての項目に貼り付け(&P)"),
     .menus = {After(kEdit, 90)},
     .run = ListRuns<&PasteAllFields>,
     .update = HasOneSelected},
    {.id = cmd::kPasteColumn1,
     .lastId = cmd::kPasteColumn10,
     .menuText = Tx("選択項目へ貼り付け(&V)"),
     .menus = {In(kEdit, 100)},
     .run = ListRuns<&PasteColumn>,
     .update = HasOneSelected},
    {.id = cmd::kSelectAll,
     .menuText = Tx("すべて選択(&F)"),
     .menus = {After(kEdit, 110)},
     .run = ListRuns<&SelectAllRows>,
     .update = HasDocument},
    {.id = cmd::kInvertSelection,
     .menuText = Tx("選択の切り替え(&J)"),
     .menus = {In(kEdit, 120)},
     .run = ListRuns<&InvertSelection>,
     .update = HasDocument},
    {.id = cmd::kAssociateImage,
     .menuText = Tx("画像の関連付け(&G)"),
     .prompt = Tx("アイテムに画像を関連付けます"),
     .tip = Tx("画像の関連付け"),
     .menus = {After(kEdit, 130)},
     .tool = Tool(170, wxART_NEW_DIR, 'G'),
     .run = AssociateImage,
     .update = HasDocument},
    {.id = cmd::kDeleteSelected,
     .menuText = Tx("選択アイテムを削除(&D)"),
     .menus = {After(kEdit, 140)},
     .run = ListRuns<&DeleteSelectedRows>,
     .update = HasSelection},
    // Without a menu: the keyboard's edits of the focused text field.
    {.id = cmd::kCopy, .keys = {Ctrl('C'), Ctrl(WXK_INSERT)}, .run = EditsFocusedText},
    {.id = cmd::kCut, .keys = {Ctrl('X'), Shift(WXK_DELETE)}, .run = EditsFocusedText},
    {.id = cmd::kPaste, .keys = {Ctrl('V'), Shift(WXK_INSERT)}, .run = EditsFocusedText},

    // The Move menu and tool bar.
    {.id = cmd::kMoveFirst,
     .menuText = Tx("先頭へ移動(&T)"),
     .prompt = Tx("先頭のアイテムを表示します"),
     .tip = Tx("先頭へ移動"),
     .menus = {In(kMove, 10)},
     .tool = ToolAfter(100, wxART_GOTO_FIRST, 'T'),
     .run = ListRuns<&ShowRowOfMove>,
     .update = HasItems},
    {.id = cmd::kMoveMiddle,
     .menuText = Tx("中間へ移動(&M)"),
     .prompt = Tx("中間のアイテムを表示します"),
     .tip = Tx("中間へ移動"),
     .menus = {In(kMove, 20)},
     .tool = Tool(120, wxART_GO_FORWARD, 'M'),
     .run = ListRuns<&ShowRowOfMove>,
     .update = HasItems},
    {.id = cmd::kMoveLast,
     .menuText = Tx("下へ移動(&B)"),
     .prompt = Tx("最後のアイテムを表示します"),
     .tip = Tx("下へ移動"),
     .menus = {In(kMove, 30)},
     .tool = Tool(110, wxART_GOTO_LAST, 'B'),
     .run = ListRuns<&ShowRowOfMove>,
     .update = HasItems},

    // The Settings and Search menus and the tool bar's search.
    {.id = cmd::kSettings,
     .menuText = Tx("環境設定(&S)"),
     .prompt = Tx("Listoraの設定をします"),
     .tip = Tx("環境設定"),
     .menus = {In(kSettings, 20)},
     .run = ShowSettings},
    {.id = cmd::kDuplicateSearch,
     .menuText = Tx("重複検索(&S)"),
     .prompt = Tx("重複しているアイテムを検索します"),
     .tip = Tx("重複検索"),
     .menus = {In(kSearch, 10)},
     .run = ToolRuns<&RunDuplicateSearch>,
     .update = HasDocument},
    {.id = cmd::kFindReplace,
     .menuText = Tx("検索と置換(&T)"),
     .prompt = Tx("検索と置換をします"),
     .tip = Tx("検索と置換"),
     .menus = {In(kSearch, 20)},
     .run = ToolRuns<&RunFindReplace>,
     .update = HasDocument},
    {.id = cmd::kSearch,
     .prompt = Tx("入力文字列を検索"),
     .tip = Tx("検索"),
     .tool = ToolAfter(90, wxART_FIND, 'F'),
     .run = ListRuns<&SearchList>,
     .update = HasDocument},

    // The View menu, the panes' tool-bar buttons and switching panes.
    {.id = cmd::kToggleToolBar,
     .menuText = Tx("ツール バー(&T)"),
     .prompt = Tx("ツール バーの表示と非表示を切り替えます"),
     .kind = wxITEM_CHECK,
     .menus = {In(kView, 10)},
     .run = FrameRuns<&MainFrame::OnToggleBar>,
     .update = FrameUpdates<&MainFrame::OnUpdateBar>},
    {.id = cmd::kToggleStatusBar,
     .menuText = Tx("ステータス バー(&S)"),
     .prompt = Tx("ステータス バーの表示と非表示を切り替えます"),
     .kind = wxITEM_CHECK,
     .menus = {In(kView, 20)},
     .run = FrameRuns<&MainFrame::OnToggleBar>,
     .update = FrameUpdates<&MainFrame::OnUpdateBar>},
    {.id = cmd::kListView,
     .menuText = Tx("リストビュー(&L)"),
     .prompt = Tx("リストビューの表示と非表示を切り替えます"),
     .tip = Tx("リストビュー"),
     .kind = wxITEM_CHECK,
     .menus = {After(kView, 30)},
     .tool = ToolAfter(50, wxART_REPORT_VIEW, 'L'),
     .run = FrameRuns<&MainFrame::OnTogglePane>,
     .update = FrameUpdates<&MainFrame::OnUpdatePane>},
    {.id = cmd::kTreeView,
     .menuText = Tx("ツリービュー(&R)"),
     .prompt = Tx("ツリービューの表示と非表示を切り替えます"),
     .tip = Tx("ツリービュー"),
     .kind = wxITEM_CHECK,
     .menus = {In(kView, 40)},
     .tool = Tool(70, wxART_LIST_VIEW, 'R'),
     .run = FrameRuns<&MainFrame::OnTogglePane>,
     .update = FrameUpdates<&MainFrame::OnUpdatePane>},
    {.id = cmd::kTextView,
     .menuText = Tx("テキストビュー(&E)"),
     .prompt = Tx("テキストビューの表示と非表示を切り替えます"),
     .tip = Tx("テキストビュー"),
     .kind = wxITEM_CHECK,
     .menus = {In(kView, 50)},
     .tool = Tool(60, wxART_NORMAL_FILE, 'E'),
     .run = FrameRuns<&MainFrame::OnTogglePane>,
     .update = FrameUpdates<&MainFrame::OnUpdatePane>},
    {.id = cmd::kImageView,
     .menuText = Tx("イメージビュー(&I)"),
     .prompt = Tx("イメージビューの表示と非表示を切り替えます"),
     .tip = Tx("イメージビュー"),
     .kind = wxITEM_CHECK,
     .menus = {In(kView, 60)},
     .tool = Tool(80, wxART_MISSING_IMAGE, 'I'),
     .run = FrameRuns<&MainFrame::OnTogglePane>,
     .update = FrameUpdates<&MainFrame::OnUpdatePane>},
    {.id = cmd::kTreeToolBar,
     .menuText = Tx("ツリービューのツールバー(&Y)"),
     .prompt = Tx("ツリービューのツールバーの表示と非表示を切り替えます"),
     .kind = wxITEM_CHECK,
     .menus = {After(kView, 70)},
     .run = FrameRuns<&MainFrame::OnToggleTreeToolBar>,
     .update = FrameUpdates<&MainFrame::OnUpdateTreeToolBar>},
    {.id = cmd::kNextPane,
     .keys = {KeyStroke{wxACCEL_NORMAL, WXK_F6}},
     .run = FrameRuns<&MainFrame::OnSwitchPane>},
    {.id = cmd::kPreviousPane, .keys = {Shift(WXK_F6)}, .run = FrameRuns<&MainFrame::OnSwitchPane>},

    // The Tools menu; grouping the tree is also on the tree's tool bar.
    {.id = cmd::kAutoInsert,
     .menuText = Tx("自動挿入(&J)"),
     .prompt = Tx("アイテムをまとめて追加します"),
     .tip = Tx("自動挿入"),
     .menus = {In(kTools, 10)},
     .tool = Tool(150, wxART_FOLDER_OPEN, 'J'),
     .keys = {Ctrl('J')},
     .run = ToolRuns<&RunAutoInsert>,
     .update = HasDocument},
    {.id = cmd::kTreeGroup1,
     .menuText = Tx("No.&1"),
     .prompt = Tx("1列目を親アイテムにしてツリービューに挿入"),
     .tip = Tx("1列目から挿入"),
     .menus = {In(kTreeGroups, 10)},
     .tool = {.bar = ToolBarId::kTree, .at = 10},
     .run = TreeRuns<&TreePane::OnGroup>},
    {.id = cmd::kTreeGroup1 + 1,
     .menuText = Tx("No.&2"),
     .prompt = Tx("2列目を親アイテムにしてツリービューに挿入"),
     .tip = Tx("2列目から挿入"),
     .menus = {In(kTreeGroups, 20)},
     .tool = {.bar = ToolBarId::kTree, .at = 20},
     .run = TreeRuns<&TreePane::OnGroup>},
    {.id = cmd::kTreeGroup1 + 2,
     .menuText = Tx("No.&3"),
     .prompt = Tx("3列目を親アイテムにしてツリービューに挿入"),
     .tip = Tx("3列目から挿入"),
     .menus = {In(kTreeGroups, 30)},
     .tool = {.bar = ToolBarId::kTree, .at = 30},
     .run = TreeRuns<&TreePane::OnGroup>},
    {.id = cmd::kTreeGroup4,
     .menuText = Tx("No.&4"),
     .prompt = Tx("4列目を親アイテムにしてツリービューに挿入"),
     .tip = Tx("4列目から挿入"),
     .menus = {In(kTreeGroups, 40)},
     .tool = {.bar = ToolBarId::kTree, .at = 40},
     .run = TreeRuns<&TreePane::OnGroup>},

    // The Export menu.
    {.id = cmd::kExportText,
     .menuText = Tx("テキスト出力(&T)"),
     .prompt = Tx("テキスト形式でファイル作成"),
     .tip = Tx("テキストへ出力"),
     .menus = {In(kExport, 10)},
     .run = RunExport,
     .update = HasItems},
    {.id = cmd::kExportHtml,
     .menuText = Tx("HTML出力(&H)"),
     .prompt = Tx("HTML形式でファイル作成"),
     .tip = Tx("HTMLへ出力"),
     .menus = {In(kExport, 20)},
     .run = RunExport,
     .update = HasItems},
    {.id = cmd::kExportCsv,
     .menuText = Tx("CSV出力(&C)"),
     .prompt = Tx("CSV形式でファイル作成"),
     .tip = Tx("CSVへ出力"),
     .menus = {In(kExport, 30)},
     .run = RunExport,
     .update = HasItems},
    {.id = cmd::kExportXlsx,
     .menuText = Tx("XLSX出力(&X)"),
     .prompt = Tx("XLSX形式でファイル作成"),
     .tip = Tx("XLSXへ出力"),
     .menus = {In(kExport, 40)},
     .run = RunExport,
     .update = HasItems},

    // The Help menu.
    {.id = cmd::kHelp,
     .menuText = Tx("ヘルプ(&H)"),
     .menus = {In(kHelp, 10)},
     .keys = {KeyStroke{wxACCEL_NORMAL, WXK_F1}},
     .run = ShowHelpPage},
    {.id = cmd::kAbout,
     .menuText = Tx("バージョン情報(&A)..."),
     .prompt = Tx("プログラム情報、バージョン、著作権を表示します。"),
     .tip = Tx("バージョン情報"),
     .menus = {After(kHelp, 20)},
     .run = ShowAbout},
    {.id = cmd::kUpdateCheck,
     .menuText = Tx("アップデートチェック(&U)"),
     .prompt = Tx("オンラインアップデートチェックをします。"),
     .tip = Tx("アップデートチェック"),
     .menus = {After(kHelp, 30)},
     .run = CheckForUpdate},

    // The tree's context menu.
    {.id = cmd::kTreeExpandBelow,
     .menuText = Tx("選択アイテム以下をすべて開く(&O)"),
     .menus = {In(kTree, 10)},
     .run = TreeRuns<&TreePane::OnExpandOrCollapse>},
    {.id = cmd::kTreeCollapseBelow,
     .menuText = Tx("選択アイテム以下をすべて閉じる(&C)"),
     .menus = {In(kTree, 20)},
     .run = TreeRuns<&TreePane::OnExpandOrCollapse>},
    {.id = cmd::kTreeExpandAll,
     .menuText = Tx("リスト内のアイテムをすべて開く(&P)"),
     .menus = {After(kTree, 30)},
     .run = TreeRuns<&TreePane::OnExpandOrCollapse>},
    {.id = cmd::kTreeCollapseAll,
     .menuText = Tx("リスト内のアイテムをすべて閉じる(&Q)"),
     .menus = {In(kTree, 40)},
     .run = TreeRuns<&TreePane::OnExpandOrCollapse>},
    {.id = cmd::kTreeSearchInList,
     .menuText = Tx("このアイテムをリスト内で検索(&S)"),
     .menus = {After(kTree, 50)},
     .run = TreeRuns<&TreePane::OnSearchInList>},
    {.id = cmd::kTreeCopy,
     .menuText = Tx("アイテムをクリップボードにコピー(&A)"),
     .menus = {After(kTree, 60)},
     .run = TreeRuns<&TreePane::OnCopy>},
    {.id = cmd::kTreeClear,
     .menuText = Tx("アイテムをすべてクリア(&D)"),
     .menus = {In(kTree, 70)},
     .run = TreeRuns<&TreePane::OnClear>},

    // The image pane's context menu.
    {.id = cmd::kImageActualSize,
     .menuText = Tx("実物大表示(&A)"),
     .kind = wxITEM_RADIO,
     .menus = {In(kImage, 10)},
     .run = ImageRuns<&ImagePane::OnDisplayMode>},
    {.id = cmd::kImageFit,
     .menuText = Tx("ウインドウに合わせる(&F)"),
     .kind = wxITEM_RADIO,
     .menus = {In(kImage, 20)},
     .run = ImageRuns<&ImagePane::OnDisplayMode>},
    {.id = cmd::kImageEdit,
     .menuText = Tx("画像の編集(&E)"),
     .menus = {After(kImage, 30)},
     .run = ImageRuns<&ImagePane::OnEditImage>},
    {.id = cmd::kImageInfo,
     .menuText = Tx("画像情報(&I)"),
     .menus = {In(kImage, 40)},
     .run = ImageRuns<&ImagePane::OnImageInfo>},
    {.id = cmd::kImageChange,
     .menuText = Tx("画像の変更(&C)"),
     .menus = {In(kImage, 50)},
     .run = ImageRuns<&ImagePane::OnChangeImage>},
};

}  // namespace

std::span<const Command> ProgramCommands() { return kCommands; }

std::span<const SubmenuPlace> ProgramSubmenus() { return kSubmenus; }

}  // namespace listora
