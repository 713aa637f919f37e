#include "ui/app/command_table.h"

#include <wx/accel.h>
#include <wx/event.h>

#include "core/base/translation.h"
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
     .menuText = Tx("新規作成\tCtrl+N(&N)"),
     .prompt = Tx("新しいファイルを作成します"),
     .tip = Tx("新規作成")},
    {.id = cmd::kOpen,
     .menuText = Tx("開く...\tCtrl+O(&O)"),
     .prompt = Tx("既存のファイルを開きます"),
     .tip = Tx("開く")},
    {.id = cmd::kAppendOpen,
     .menuText = Tx("追加で開く\t\t\tCtrl+D(&D)"),
     .prompt = Tx("現在のアイテムに追加でファイルを開きます"),
     .tip = Tx("追加で開く"),
     .run = DocRuns<&ListoraDoc::OnAppendOpen>},
    {.id = cmd::kImport,
     .menuText = Tx("インポート(&I)..."),
     .prompt = Tx("CSVファイルやテキストファイルからアイテムを取り込みます"),
     .tip = Tx("インポート"),
     .run = RunTableImport},
    {.id = cmd::kSave,
     .menuText = Tx("上書き保存\tCtrl+S(&S)"),
     .prompt = Tx("ファイルを上書き保存します"),
     .tip = Tx("上書き保存"),
     .update = SaveUpdates},
    {.id = cmd::kSaveAs,
     .menuText = Tx("名前を付けて保存(&A)..."),
     .prompt = Tx("ファイルに名前を付けて保存します"),
     .tip = Tx("名前を付けて保存")},
    {.id = cmd::kPrint,
     .menuText = Tx("印刷...\tCtrl+P(&P)"),
     .prompt = Tx("アイテムを印刷します"),
     .tip = Tx("印刷"),
     .run = ManagerRuns<&ListoraDocManager::OnPrintOrPreview>},
    {.id = cmd::kPrintPreview,
     .menuText = Tx("印刷プレビュー(&V)"),
     .prompt = Tx("印刷イメージを表示します"),
     .tip = Tx("印刷プレビュー"),
     .run = ManagerRuns<&ListoraDocManager::OnPrintOrPreview>},
    {.id = cmd::kPrintSetup,
     .menuText = Tx("プリンタの設定(&R)..."),
     .prompt = Tx("プリンタと印刷の設定を変更します"),
     .tip = Tx("プリンタの設定")},
    {.id = cmd::kPrintLayout, .menuText = Tx("印刷レイアウト設定(&L)"), .run = EditLayout},
    // Ahead of wxDocManager, which would drop an entry whenever opening it
    // did not happen, a cancelled save question included.
    {.id = cmd::kRecentFile1,
     .lastId = cmd::kRecentFile1 + kRecentFileCount - 1,
     .run = ManagerRuns<&ListoraDocManager::OnRecentFile>,
     .update = RecentFileUpdates},
    {.id = cmd::kExit,
     .menuText = Tx("アプリケーションの終了(&X)"),
     .prompt = Tx("Listoraを終了します"),
     .tip = Tx("終了")},

    // The Edit menu and the list's context menu. wxDocManager would give
    // undo and redo to a command processor; the document keeps its own
    // history, and a focused text field its own.
    {.id = cmd::kUndo,
     .menuText = Tx("元に戻す\tCtrl+Z(&U)"),
     .prompt = Tx("直前の操作を元に戻します"),
     .tip = Tx("元に戻す"),
     .keys = {KeyStroke{wxACCEL_ALT, WXK_BACK}},
     .run = UndoOrRedo,
     .update = UpdateUndoOrRedo},
    {.id = cmd::kRedo,
     .menuText = Tx("やり直し\tCtrl+Y(&R)"),
     .prompt = Tx("元に戻した操作をやり直します"),
     .tip = Tx("やり直し"),
     .keys = {KeyStroke{wxACCEL_CTRL | wxACCEL_SHIFT, 'Z'}},
     .run = UndoOrRedo,
     .update = UpdateUndoOrRedo},
    {.id = cmd::kAddItem,
     .menuText = Tx("アイテムの追加(&I)"),
     .prompt = Tx("アイテムを追加します"),
     .run = ToolRuns<&RunAddItem>},
    {.id = cmd::kModifyItem,
     .menuText = Tx("アイテムの修正(&C)"),
     .prompt = Tx("選択アイテムを修正します"),
     .run = ToolRuns<&RunModifyItems>},
    {.id = cmd::kColumnSettings,
     .menuText = Tx("カラムの設定(&C)"),
     .prompt = Tx("カラムを設定します"),
     .tip = Tx("カラム設定"),
     .run = ToolRuns<&RunColumnSettings>},
    {.id = cmd::kAddColumn,
     .menuText = Tx("カラムを追加(&I)"),
     .prompt = Tx("カラムを追加します"),
     .tip = Tx("カラムを追加"),
     .run = DocRuns<&ListoraDoc::OnAddColumn>},
    {.id = cmd::kDeleteColumn,
     .menuText = Tx("このカラムを削除(&D)"),
     .run = ViewRuns<&ListoraView::OnDeleteColumn>},
    {.id = cmd::kCopyAllFields,
     .menuText = Tx("すべての項目をコピー(&K)"),
     .run = ViewRuns<&ListoraView::OnCopyAllFields>},
    // The entries of the copy and paste submenus are named after the
    // document's columns.
    {.id = cmd::kCopyColumn1,
     .lastId = cmd::kCopyColumn10,
     .run = ViewRuns<&ListoraView::OnCopyColumn>},
    {.id = cmd::kPasteAllFields,
     .menuText = Tx("すべての項目に貼り付け(&P)"),
     .run = ViewRuns<&ListoraView::OnPasteAllFields>},
    {.id = cmd::kPasteColumn1,
     .lastId = cmd::kPasteColumn10,
     .run = ViewRuns<&ListoraView::OnPasteColumn>},
    {.id = cmd::kSelectAll,
     .menuText = Tx("すべて選択(&F)"),
     .run = ViewRuns<&ListoraView::OnSelectAll>},
    {.id = cmd::kInvertSelection,
     .menuText = Tx("選択の切り替え(&J)"),
     .run = ViewRuns<&ListoraView::OnInvertSelection>},
    {.id = cmd::kAssociateImage,
     .menuText = Tx("画像の関連付け(&G)"),
     .prompt = Tx("アイテムに画像を関連付けます"),
     .tip = Tx("画像の関連付け"),
     .run = AssociateImage},
    {.id = cmd::kDeleteSelected,
     .menuText = Tx("選択アイテムを削除(&D)"),
     .run = ViewRuns<&ListoraView::OnDeleteSelected>},
    // Without a menu: the keyboard's edits of the focused text field.
    {.id = cmd::kCopy, .keys = {Ctrl('C'), Ctrl(WXK_INSERT)}, .run = EditsFocusedText},
    {.id = cmd::kCut, .keys = {Ctrl('X'), Shift(WXK_DELETE)}, .run = EditsFocusedText},
    {.id = cmd::kPaste, .keys = {Ctrl('V'), Shift(WXK_INSERT)}, .run = EditsFocusedText},

    // The Move menu and tool bar.
    {.id = cmd::kMoveFirst,
     .menuText = Tx("先頭へ移動(&T)"),
     .prompt = Tx("先頭のアイテムを表示します"),
     .tip = Tx("先頭へ移動"),
     .run = ViewRuns<&ListoraView::OnMove>},
    {.id = cmd::kMoveMiddle,
     .menuText = Tx("中間へ移動(&M)"),
     .prompt = Tx("中間のアイテムを表示します"),
     .tip = Tx("中間へ移動"),
     .run = ViewRuns<&ListoraView::OnMove>},
    {.id = cmd::kMoveLast,
     .menuText = Tx("下へ移動(&B)"),
     .prompt = Tx("最後のアイテムを表示します"),
     .tip = Tx("下へ移動"),
     .run = ViewRuns<&ListoraView::OnMove>},

    // The Settings and Search menus and the tool bar's search.
    {.id = cmd::kSettings,
     .menuText = Tx("環境設定(&S)"),
     .prompt = Tx("Listoraの設定をします"),
     .tip = Tx("環境設定"),
     .run = ShowSettings},
    {.id = cmd::kDuplicateSearch,
     .menuText = Tx("重複検索(&S)"),
     .prompt = Tx("重複しているアイテムを検索します"),
     .tip = Tx("重複検索"),
     .run = ToolRuns<&RunDuplicateSearch>},
    {.id = cmd::kFindReplace,
     .menuText = Tx("検索と置換(&T)"),
     .prompt = Tx("検索と置換をします"),
     .tip = Tx("検索と置換"),
     .run = ToolRuns<&RunFindReplace>},
    {.id = cmd::kSearch,
     .prompt = Tx("入力文字列を検索"),
     .tip = Tx("検索"),
     .run = ViewRuns<&ListoraView::OnListSearch>},

    // The View menu, the panes' tool-bar buttons and switching panes.
    {.id = cmd::kToggleToolBar,
     .menuText = Tx("ツール バー(&T)"),
     .prompt = Tx("ツール バーの表示と非表示を切り替えます"),
     .kind = wxITEM_CHECK,
     .run = FrameRuns<&MainFrame::OnToggleBar>,
     .update = FrameUpdates<&MainFrame::OnUpdateBar>},
    {.id = cmd::kToggleStatusBar,
     .menuText = Tx("ステータス バー(&S)"),
     .prompt = Tx("ステータス バーの表示と非表示を切り替えます"),
     .kind = wxITEM_CHECK,
     .run = FrameRuns<&MainFrame::OnToggleBar>,
     .update = FrameUpdates<&MainFrame::OnUpdateBar>},
    {.id = cmd::kListView,
     .menuText = Tx("リストビュー(&L)"),
     .prompt = Tx("リストビューの表示と非表示を切り替えます"),
     .tip = Tx("リストビュー"),
     .kind = wxITEM_CHECK,
     .run = FrameRuns<&MainFrame::OnTogglePane>,
     .update = FrameUpdates<&MainFrame::OnUpdatePane>},
    {.id = cmd::kTreeView,
     .menuText = Tx("ツリービュー(&R)"),
     .prompt = Tx("ツリービューの表示と非表示を切り替えます"),
     .tip = Tx("ツリービュー"),
     .kind = wxITEM_CHECK,
     .run = FrameRuns<&MainFrame::OnTogglePane>,
     .update = FrameUpdates<&MainFrame::OnUpdatePane>},
    {.id = cmd::kTextView,
     .menuText = Tx("テキストビュー(&E)"),
     .prompt = Tx("テキストビューの表示と非表示を切り替えます"),
     .tip = Tx("テキストビュー"),
     .kind = wxITEM_CHECK,
     .run = FrameRuns<&MainFrame::OnTogglePane>,
     .update = FrameUpdates<&MainFrame::OnUpdatePane>},
    {.id = cmd::kImageView,
     .menuText = Tx("イメージビュー(&I)"),
     .prompt = Tx("イメージビューの表示と非表示を切り替えます"),
     .tip = Tx("イメージビュー"),
     .kind = wxITEM_CHECK,
     .run = FrameRuns<&MainFrame::OnTogglePane>,
     .update = FrameUpdates<&MainFrame::OnUpdatePane>},
    {.id = cmd::kTreeToolBar,
     .menuText = Tx("ツリービューのツールバー(&Y)"),
     .prompt = Tx("ツリービューのツールバーの表示と非表示を切り替えます"),
     .kind = wxITEM_CHECK,
     .run = FrameRuns<&MainFrame::OnToggleTreeToolBar>,
     .update = FrameUpdates<&MainFrame::OnUpdateTreeToolBar>},
    {.id = cmd::kNextPane,
     .keys = {KeyStroke{wxACCEL_NORMAL, WXK_F6}},
     .run = FrameRuns<&MainFrame::OnSwitchPane>},
    {.id = cmd::kPreviousPane, .keys = {Shift(WXK_F6)}, .run = FrameRuns<&MainFrame::OnSwitchPane>},

    // The Tools menu; grouping the tree is also on the tree's tool bar.
    {.id = cmd::kAutoInsert,
     .menuText = Tx("自動挿入\t\tCtrl + J(&J)"),
     .prompt = Tx("アイテムをまとめて追加します"),
     .tip = Tx("自動挿入"),
     .run = ToolRuns<&RunAutoInsert>},
    {.id = cmd::kTreeGroup1,
     .menuText = Tx("No.&1"),
     .prompt = Tx("1列目を親アイテムにしてツリービューに挿入"),
     .tip = Tx("1列目から挿入"),
     .run = TreeRuns<&TreePane::OnGroup>},
    {.id = cmd::kTreeGroup1 + 1,
     .menuText = Tx("No.&2"),
     .prompt = Tx("2列目を親アイテムにしてツリービューに挿入"),
     .tip = Tx("2列目から挿入"),
     .run = TreeRuns<&TreePane::OnGroup>},
    {.id = cmd::kTreeGroup1 + 2,
     .menuText = Tx("No.&3"),
     .prompt = Tx("3列目を親アイテムにしてツリービューに挿入"),
     .tip = Tx("3列目から挿入"),
     .run = TreeRuns<&TreePane::OnGroup>},
    {.id = cmd::kTreeGroup4,
     .menuText = Tx("No.&4"),
     .prompt = Tx("4列目を親アイテムにしてツリービューに挿入"),
     .tip = Tx("4列目から挿入"),
     .run = TreeRuns<&TreePane::OnGroup>},

    // The Export menu.
    {.id = cmd::kExportText,
     .menuText = Tx("テキスト出力(&T)"),
     .prompt = Tx("テキスト形式でファイル作成"),
     .tip = Tx("テキストへ出力"),
     .run = DocRuns<&ListoraDoc::OnExport>},
    {.id = cmd::kExportHtml,
     .menuText = Tx("HTML出力(&H)"),
     .prompt = Tx("HTML形式でファイル作成"),
     .tip = Tx("HTMLへ出力"),
     .run = DocRuns<&ListoraDoc::OnExport>},
    {.id = cmd::kExportCsv,
     .menuText = Tx("CSV出力(&C)"),
     .prompt = Tx("CSV形式でファイル作成"),
     .tip = Tx("CSVへ出力"),
     .run = DocRuns<&ListoraDoc::OnExport>},
    {.id = cmd::kExportXlsx,
     .menuText = Tx("XLSX出力(&X)"),
     .prompt = Tx("XLSX形式でファイル作成"),
     .tip = Tx("XLSXへ出力"),
     .run = DocRuns<&ListoraDoc::OnExport>},

    // The Help menu.
    {.id = cmd::kHelp, .menuText = Tx("ヘルプ\t\tF1(&H)"), .run = ShowHelpPage},
    {.id = cmd::kAbout,
     .menuText = Tx("バージョン情報(&A)..."),
     .prompt = Tx("プログラム情報、バージョン、著作権を表示します。"),
     .tip = Tx("バージョン情報"),
     .run = ShowAbout},
    {.id = cmd::kUpdateCheck,
     .menuText = Tx("アップデートチェック(&U)"),
     .prompt = Tx("オンラインアップデートチェックをします。"),
     .tip = Tx("アップデートチェック"),
     .run = CheckForUpdate},

    // The tree's context menu.
    {.id = cmd::kTreeExpandBelow,
     .menuText = Tx("選択アイテム以下をすべて開く(&O)"),
     .run = TreeRuns<&TreePane::OnExpandOrCollapse>},
    {.id = cmd::kTreeCollapseBelow,
     .menuText = Tx("選択アイテム以下をすべて閉じる(&C)"),
     .run = TreeRuns<&TreePane::OnExpandOrCollapse>},
    {.id = cmd::kTreeExpandAll,
     .menuText = Tx("リスト内のアイテムをすべて開く(&P)"),
     .run = TreeRuns<&TreePane::OnExpandOrCollapse>},
    {.id = cmd::kTreeCollapseAll,
     .menuText = Tx("リスト内のアイテムをすべて閉じる(&Q)"),
     .run = TreeRuns<&TreePane::OnExpandOrCollapse>},
    {.id = cmd::kTreeSearchInList,
     .menuText = Tx("このアイテムをリスト内で検索(&S)"),
     .run = TreeRuns<&TreePane::OnSearchInList>},
    {.id = cmd::kTreeCopy,
     .menuText = Tx("アイテムをクリップボードにコピー(&A)"),
     .run = TreeRuns<&TreePane::OnCopy>},
    {.id = cmd::kTreeClear,
     .menuText = Tx("アイテムをすべてクリア(&D)"),
     .run = TreeRuns<&TreePane::OnClear>},

    // The image pane's context menu.
    {.id = cmd::kImageActualSize,
     .menuText = Tx("実物大表示(&A)"),
     .kind = wxITEM_RADIO,
     .run = ImageRuns<&ImagePane::OnDisplayMode>},
    {.id = cmd::kImageFit,
     .menuText = Tx("ウインドウに合わせる(&F)"),
     .kind = wxITEM_RADIO,
     .run = ImageRuns<&ImagePane::OnDisplayMode>},
    {.id = cmd::kImageEdit,
     .menuText = Tx("画像の編集(&E)"),
     .run = ImageRuns<&ImagePane::OnEditImage>},
    {.id = cmd::kImageInfo,
     .menuText = Tx("画像情報(&I)"),
     .run = ImageRuns<&ImagePane::OnImageInfo>},
    {.id = cmd::kImageChange,
     .menuText = Tx("画像の変更(&C)"),
     .run = ImageRuns<&ImagePane::OnChangeImage>},
};

}  // namespace

std::span<const Command> ProgramCommands() { return kCommands; }

}  // namespace listora
