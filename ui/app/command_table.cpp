#include "ui/app/command_table.h"

#include <wx/accel.h>
#include <wx/event.h>

#include "ui/app/app_commands.h"
#include "ui/app/command_scope.h"
#include "ui/app/listora_doc_manager.h"
#include "ui/app/table_import_command.h"
#include "ui/app/undo_commands.h"
#include "ui/base/command_ids.h"
#include "ui/base/focused_text_edit.h"
#include "ui/base/recent_files.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/listora_view.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/image_pane.h"
#include "ui/panes/tree_pane.h"
#include "ui/print/print_commands.h"
#include "ui/tools/auto_insert_dialog.h"
#include "ui/tools/column_settings_dialog.h"
#include "ui/tools/duplicates_dialog.h"
#include "ui/tools/find_replace_dialog.h"
#include "ui/tools/item_entry_dialog.h"

namespace listora {

namespace {

// Handlers of the open document's view, the document, the window, its panes
// and the document manager, called with the event; nothing happens while
// the one they belong to is missing.
template <void (ListoraView::*handler)(wxCommandEvent&)>
void ViewRuns(CommandScope& scope, wxCommandEvent& event) {
  if (ListoraView* view = scope.View()) (view->*handler)(event);
}

template <void (ListoraDoc::*handler)(wxCommandEvent&)>
void DocRuns(CommandScope& scope, wxCommandEvent& event) {
  if (ListoraDoc* doc = scope.Doc()) (doc->*handler)(event);
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
  EditPrintLayout(scope.frame.get(), scope.program);
}

// Save stores whatever is open, so it is never greyed out for want of a
// change (wxDocManager's own rule).
void SaveUpdates(CommandScope& scope, wxUpdateUIEvent& event) {
  event.Enable(scope.Doc() != nullptr);
}

// A recent-file entry is enabled only while the list holds a file for it.
void RecentFileUpdates(CommandScope& scope, wxUpdateUIEvent& event) {
  event.Enable(static_cast<size_t>(event.GetId() - cmd::kRecentFile1) <
               scope.docs.GetHistoryFilesCount());
}

constexpr KeyStroke Ctrl(int key) { return {wxACCEL_CTRL, key}; }
constexpr KeyStroke Shift(int key) { return {wxACCEL_SHIFT, key}; }

const Command kCommands[] = {
    // The File menu.
    {.id = cmd::kNew,
     .menuText = "新規作成\tCtrl+N(&N)",
     .prompt = "新しいファイルを作成します",
     .tip = "新規作成"},
    {.id = cmd::kOpen,
     .menuText = "開く...\tCtrl+O(&O)",
     .prompt = "既存のファイルを開きます",
     .tip = "開く"},
    {.id = cmd::kAppendOpen,
     .menuText = "追加で開く\t\t\tCtrl+D(&D)",
     .prompt = "現在のアイテムに追加でファイルを開きます",
     .tip = "追加で開く",
     .run = DocRuns<&ListoraDoc::OnAppendOpen>},
    {.id = cmd::kImport,
     .menuText = "インポート(&I)...",
     .prompt = "CSVファイルやテキストファイルからアイテムを取り込みます",
     .tip = "インポート",
     .run = RunTableImport},
    {.id = cmd::kSave,
     .menuText = "上書き保存\tCtrl+S(&S)",
     .prompt = "ファイルを上書き保存します",
     .tip = "上書き保存",
     .update = SaveUpdates},
    {.id = cmd::kSaveAs,
     .menuText = "名前を付けて保存(&A)...",
     .prompt = "ファイルに名前を付けて保存します",
     .tip = "名前を付けて保存"},
    {.id = cmd::kPrint,
     .menuText = "印刷...\tCtrl+P(&P)",
     .prompt = "アイテムを印刷します",
     .tip = "印刷",
     .run = ManagerRuns<&ListoraDocManager::OnPrintOrPreview>},
    {.id = cmd::kPrintPreview,
     .menuText = "印刷プレビュー(&V)",
     .prompt = "印刷イメージを表示します",
     .tip = "印刷プレビュー",
     .run = ManagerRuns<&ListoraDocManager::OnPrintOrPreview>},
    {.id = cmd::kPrintSetup,
     .menuText = "プリンタの設定(&R)...",
     .prompt = "プリンタと印刷の設定を変更します",
     .tip = "プリンタの設定"},
    {.id = cmd::kPrintLayout, .menuText = "印刷レイアウト設定(&L)", .run = EditLayout},
    // Ahead of wxDocManager, which would drop an entry whenever opening it
    // did not happen, a cancelled save question included.
    {.id = cmd::kRecentFile1,
     .lastId = cmd::kRecentFile1 + kRecentFileCount - 1,
     .run = ManagerRuns<&ListoraDocManager::OnRecentFile>,
     .update = RecentFileUpdates},
    {.id = cmd::kExit,
     .menuText = "アプリケーションの終了(&X)",
     .prompt = "Listoraを終了します",
     .tip = "終了"},

    // The Edit menu and the list's context menu. wxDocManager would give
    // undo and redo to a command processor; the document keeps its own
    // history, and a focused text field its own.
    {.id = cmd::kUndo,
     .menuText = "元に戻す\tCtrl+Z(&U)",
     .prompt = "直前の操作を元に戻します",
     .tip = "元に戻す",
     .keys = {KeyStroke{wxACCEL_ALT, WXK_BACK}},
     .run = UndoOrRedo,
     .update = UpdateUndoOrRedo},
    {.id = cmd::kRedo,
     .menuText = "やり直し\tCtrl+Y(&R)",
     .prompt = "元に戻した操作をやり直します",
     .tip = "やり直し",
     .keys = {KeyStroke{wxACCEL_CTRL | wxACCEL_SHIFT, 'Z'}},
     .run = UndoOrRedo,
     .update = UpdateUndoOrRedo},
    {.id = cmd::kAddItem,
     .menuText = "アイテムの追加(&I)",
     .prompt = "アイテムを追加します",
     .run = ToolRuns<&RunAddItem>},
    {.id = cmd::kModifyItem,
     .menuText = "アイテムの修正(&C)",
     .prompt = "選択アイテムを修正します",
     .run = ToolRuns<&RunModifyItems>},
    {.id = cmd::kColumnSettings,
     .menuText = "カラムの設定(&C)",
     .prompt = "カラムを設定します",
     .tip = "カラム設定",
     .run = ToolRuns<&RunColumnSettings>},
    {.id = cmd::kAddColumn,
     .menuText = "カラムを追加(&I)",
     .prompt = "カラムを追加します",
     .tip = "カラムを追加",
     .run = DocRuns<&ListoraDoc::OnAddColumn>},
    {.id = cmd::kDeleteColumn,
     .menuText = "このカラムを削除(&D)",
     .run = ViewRuns<&ListoraView::OnDeleteColumn>},
    {.id = cmd::kCopyAllFields,
     .menuText = "すべての項目をコピー(&K)",
     .run = ViewRuns<&ListoraView::OnCopyAllFields>},
    // The entries of the copy and paste submenus are named after the
    // document's columns.
    {.id = cmd::kCopyColumn1,
     .lastId = cmd::kCopyColumn10,
     .run = ViewRuns<&ListoraView::OnCopyColumn>},
    {.id = cmd::kPasteAllFields,
     .menuText = "すべての項目に貼り付け(&P)",
     .run = ViewRuns<&ListoraView::OnPasteAllFields>},
    {.id = cmd::kPasteColumn1,
     .lastId = cmd::kPasteColumn10,
     .run = ViewRuns<&ListoraView::OnPasteColumn>},
    {.id = cmd::kSelectAll,
     .menuText = "すべて選択(&F)",
     .run = ViewRuns<&ListoraView::OnSelectAll>},
    {.id = cmd::kInvertSelection,
     .menuText = "選択の切り替え(&J)",
     .run = ViewRuns<&ListoraView::OnInvertSelection>},
    {.id = cmd::kAssociateImage,
     .menuText = "画像の関連付け(&G)",
     .prompt = "アイテムに画像を関連付けます",
     .tip = "画像の関連付け",
     .run = AssociateImage},
    {.id = cmd::kDeleteSelected,
     .menuText = "選択アイテムを削除(&D)",
     .run = ViewRuns<&ListoraView::OnDeleteSelected>},
    // Without a menu: the keyboard's edits of the focused text field.
    {.id = cmd::kCopy, .keys = {Ctrl('C'), Ctrl(WXK_INSERT)}, .run = EditsFocusedText},
    {.id = cmd::kCut, .keys = {Ctrl('X'), Shift(WXK_DELETE)}, .run = EditsFocusedText},
    {.id = cmd::kPaste, .keys = {Ctrl('V'), Shift(WXK_INSERT)}, .run = EditsFocusedText},

    // The Move menu and tool bar.
    {.id = cmd::kMoveFirst,
     .menuText = "先頭へ移動(&T)",
     .prompt = "先頭のアイテムを表示します",
     .tip = "先頭へ移動",
     .run = ViewRuns<&ListoraView::OnMove>},
    {.id = cmd::kMoveMiddle,
     .menuText = "中間へ移動(&M)",
     .prompt = "中間のアイテムを表示します",
     .tip = "中間へ移動",
     .run = ViewRuns<&ListoraView::OnMove>},
    {.id = cmd::kMoveLast,
     .menuText = "下へ移動(&B)",
     .prompt = "最後のアイテムを表示します",
     .tip = "下へ移動",
     .run = ViewRuns<&ListoraView::OnMove>},

    // The Settings and Search menus and the tool bar's search.
    {.id = cmd::kSettings,
     .menuText = "環境設定(&S)",
     .prompt = "Listoraの設定をします",
     .tip = "環境設定",
     .run = ShowSettings},
    {.id = cmd::kDuplicateSearch,
     .menuText = "重複検索(&S)",
     .prompt = "重複しているアイテムを検索します",
     .tip = "重複検索",
     .run = ToolRuns<&RunDuplicateSearch>},
    {.id = cmd::kFindReplace,
     .menuText = "検索と置換(&T)",
     .prompt = "検索と置換をします",
     .tip = "検索と置換",
     .run = ToolRuns<&RunFindReplace>},
    {.id = cmd::kSearch,
     .prompt = "入力文字列を検索",
     .tip = "検索",
     .run = ViewRuns<&ListoraView::OnListSearch>},

    // The View menu, the panes' tool-bar buttons and switching panes.
    {.id = cmd::kToggleToolBar,
     .menuText = "ツール バー(&T)",
     .prompt = "ツール バーの表示と非表示を切り替えます",
     .kind = wxITEM_CHECK,
     .run = FrameRuns<&MainFrame::OnToggleBar>,
     .update = FrameUpdates<&MainFrame::OnUpdateBar>},
    {.id = cmd::kToggleStatusBar,
     .menuText = "ステータス バー(&S)",
     .prompt = "ステータス バーの表示と非表示を切り替えます",
     .kind = wxITEM_CHECK,
     .run = FrameRuns<&MainFrame::OnToggleBar>,
     .update = FrameUpdates<&MainFrame::OnUpdateBar>},
    {.id = cmd::kListView,
     .menuText = "リストビュー(&L)",
     .prompt = "リストビューの表示と非表示を切り替えます",
     .tip = "リストビュー",
     .kind = wxITEM_CHECK,
     .run = FrameRuns<&MainFrame::OnTogglePane>,
     .update = FrameUpdates<&MainFrame::OnUpdatePane>},
    {.id = cmd::kTreeView,
     .menuText = "ツリービュー(&R)",
     .prompt = "ツリービューの表示と非表示を切り替えます",
     .tip = "ツリービュー",
     .kind = wxITEM_CHECK,
     .run = FrameRuns<&MainFrame::OnTogglePane>,
     .update = FrameUpdates<&MainFrame::OnUpdatePane>},
    {.id = cmd::kTextView,
     .menuText = "テキストビュー(&E)",
     .prompt = "テキストビューの表示と非表示を切り替えます",
     .tip = "テキストビュー",
     .kind = wxITEM_CHECK,
     .run = FrameRuns<&MainFrame::OnTogglePane>,
     .update = FrameUpdates<&MainFrame::OnUpdatePane>},
    {.id = cmd::kImageView,
     .menuText = "イメージビュー(&I)",
     .prompt = "イメージビューの表示と非表示を切り替えます",
     .tip = "イメージビュー",
     .kind = wxITEM_CHECK,
     .run = FrameRuns<&MainFrame::OnTogglePane>,
     .update = FrameUpdates<&MainFrame::OnUpdatePane>},
    {.id = cmd::kTreeToolBar,
     .menuText = "ツリービューのツールバー(&Y)",
     .prompt = "ツリービューのツールバーの表示と非表示を切り替えます",
     .kind = wxITEM_CHECK,
     .run = FrameRuns<&MainFrame::OnToggleTreeToolBar>,
     .update = FrameUpdates<&MainFrame::OnUpdateTreeToolBar>},
    {.id = cmd::kNextPane,
     .keys = {KeyStroke{wxACCEL_NORMAL, WXK_F6}},
     .run = FrameRuns<&MainFrame::OnSwitchPane>},
    {.id = cmd::kPreviousPane, .keys = {Shift(WXK_F6)}, .run = FrameRuns<&MainFrame::OnSwitchPane>},

    // The Tools menu; grouping the tree is also on the tree's tool bar.
    {.id = cmd::kAutoInsert,
     .menuText = "自動挿入\t\tCtrl + J(&J)",
     .prompt = "アイテムをまとめて追加します",
     .tip = "自動挿入",
     .run = ToolRuns<&RunAutoInsert>},
    {.id = cmd::kTreeGroup1,
     .menuText = "No.&1",
     .prompt = "1列目を親アイテムにしてツリービューに挿入",
     .tip = "1列目から挿入",
     .run = TreeRuns<&TreePane::OnGroup>},
    {.id = cmd::kTreeGroup1 + 1,
     .menuText = "No.&2",
     .prompt = "2列目を親アイテムにしてツリービューに挿入",
     .tip = "2列目から挿入",
     .run = TreeRuns<&TreePane::OnGroup>},
    {.id = cmd::kTreeGroup1 + 2,
     .menuText = "No.&3",
     .prompt = "3列目を親アイテムにしてツリービューに挿入",
     .tip = "3列目から挿入",
     .run = TreeRuns<&TreePane::OnGroup>},
    {.id = cmd::kTreeGroup4,
     .menuText = "No.&4",
     .prompt = "4列目を親アイテムにしてツリービューに挿入",
     .tip = "4列目から挿入",
     .run = TreeRuns<&TreePane::OnGroup>},

    // The Export menu.
    {.id = cmd::kExportText,
     .menuText = "テキスト出力(&T)",
     .prompt = "テキスト形式でファイル作成",
     .tip = "テキストへ出力",
     .run = DocRuns<&ListoraDoc::OnExport>},
    {.id = cmd::kExportHtml,
     .menuText = "HTML出力(&H)",
     .prompt = "HTML形式でファイル作成",
     .tip = "HTMLへ出力",
     .run = DocRuns<&ListoraDoc::OnExport>},
    {.id = cmd::kExportCsv,
     .menuText = "CSV出力(&C)",
     .prompt = "CSV形式でファイル作成",
     .tip = "CSVへ出力",
     .run = DocRuns<&ListoraDoc::OnExport>},
    {.id = cmd::kExportXlsx,
     .menuText = "XLSX出力(&X)",
     .prompt = "XLSX形式でファイル作成",
     .tip = "XLSXへ出力",
     .run = DocRuns<&ListoraDoc::OnExport>},

    // The Help menu.
    {.id = cmd::kHelp, .menuText = "ヘルプ\t\tF1(&H)", .run = ShowHelpPage},
    {.id = cmd::kAbout,
     .menuText = "バージョン情報(&A)...",
     .prompt = "プログラム情報、バージョン、著作権を表示します。",
     .tip = "バージョン情報",
     .run = ShowAbout},
    {.id = cmd::kUpdateCheck,
     .menuText = "アップデートチェック(&U)",
     .prompt = "オンラインアップデートチェックをします。",
     .tip = "アップデートチェック",
     .run = CheckForUpdate},

    // The tree's context menu.
    {.id = cmd::kTreeExpandBelow,
     .menuText = "選択アイテム以下をすべて開く(&O)",
     .run = TreeRuns<&TreePane::OnExpandOrCollapse>},
    {.id = cmd::kTreeCollapseBelow,
     .menuText = "選択アイテム以下をすべて閉じる(&C)",
     .run = TreeRuns<&TreePane::OnExpandOrCollapse>},
    {.id = cmd::kTreeExpandAll,
     .menuText = "リスト内のアイテムをすべて開く(&P)",
     .run = TreeRuns<&TreePane::OnExpandOrCollapse>},
    {.id = cmd::kTreeCollapseAll,
     .menuText = "リスト内のアイテムをすべて閉じる(&Q)",
     .run = TreeRuns<&TreePane::OnExpandOrCollapse>},
    {.id = cmd::kTreeSearchInList,
     .menuText = "このアイテムをリスト内で検索(&S)",
     .run = TreeRuns<&TreePane::OnSearchInList>},
    {.id = cmd::kTreeCopy,
     .menuText = "アイテムをクリップボードにコピー(&A)",
     .run = TreeRuns<&TreePane::OnCopy>},
    {.id = cmd::kTreeClear,
     .menuText = "アイテムをすべてクリア(&D)",
     .run = TreeRuns<&TreePane::OnClear>},

    // The image pane's context menu.
    {.id = cmd::kImageActualSize,
     .menuText = "実物大表示(&A)",
     .kind = wxITEM_RADIO,
     .run = ImageRuns<&ImagePane::OnDisplayMode>},
    {.id = cmd::kImageFit,
     .menuText = "ウインドウに合わせる(&F)",
     .kind = wxITEM_RADIO,
     .run = ImageRuns<&ImagePane::OnDisplayMode>},
    {.id = cmd::kImageEdit,
     .menuText = "画像の編集(&E)",
     .run = ImageRuns<&ImagePane::OnEditImage>},
    {.id = cmd::kImageInfo, .menuText = "画像情報(&I)", .run = ImageRuns<&ImagePane::OnImageInfo>},
    {.id = cmd::kImageChange,
     .menuText = "画像の変更(&C)",
     .run = ImageRuns<&ImagePane::OnChangeImage>},
};

}  // namespace

std::span<const Command> ProgramCommands() { return kCommands; }

}  // namespace listora
