#pragma once
// `ListoraDoc`: the one document. It holds the core's document (items,
// per-document settings, search history) and its password, reads and writes
// the ".ltb" file through the core, and is the only code in the program
// that changes them: every kind of change is one method here, which tells
// the views what changed with one hint.

#include <wx/docview.h>
#include <wx/weakref.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/file_stamp.h"
#include "core/doc/columns.h"
#include "core/doc/document_file.h"
#include "core/doc/document_set.h"
#include "core/doc/edit_history.h"
#include "core/doc/table_import.h"
#include "core/panes/sort.h"
#include "core/print/print_layout.h"
#include "core/tools/auto_insert.h"
#include "core/tools/find_replace.h"
#include "core/tools/list_search.h"
#include "ui/doc/doc_hint.h"
#include "ui/doc/pane_id.h"
#include "ui/doc/program_state.h"

namespace listora {

namespace test {
struct DocumentSetup;
}  // namespace test

class ListoraDoc : public wxDocument {
 public:
  ListoraDoc();

  // The windows and dialogs only read the data; they change it through
  // the methods below.
  const Document& Data() const { return data_; }

  // The one way to mark the document changed: sets the modified flag, which
  // puts the "*" at the end of the window title, and makes the edit in
  // progress a step that leaves the saved state.
  void MarkModified();
  // Tells the views what changed.
  void Changed(DocHint::Kind kind, long row = -1);
  void Changed(const DocHint& hint);

  // The program-wide state and the window that owns every message and
  // dialog of the document (the main window), given by the document
  // template before the document is first used. The document takes the
  // print layout from the settings file then.
  void SetProgram(ProgramState& program, wxWindow* owner);
  ProgramState& Program() const { return *program_; }
  // Null once the window has gone.
  wxWindow* Owner() const { return owner_.get(); }
  // How the view commits an edit still open in a pane, called before a
  // save or a close; empty for none.
  void SetEditCommitter(std::function<void()> commit) { commitEdits_ = std::move(commit); }

  // The image folder follows the document's path and image settings; at
  // every new or opened document, a change of the settings and when it is
  // saved under another name.
  void UpdateImageFolder();
  // Where image files are copied and looked up (empty: stored paths are
  // used as they are).
  const std::filesystem::path& ImageFolder() const { return imageFolder_; }

  // The print layout this document prints with: the settings file's for a
  // new document, changed by the print layout dialog.
  const PrintLayout& GetPrintLayout() const { return printLayout_; }
  void SetPrintLayout(const PrintLayout& layout) { printLayout_ = layout; }

  // The columns as the user arranged them in the list: the widths of
  // columns 1.. go into the descriptors; the display order (position ->
  // column index) is the order the next save writes the columns in. A
  // change of the columns themselves returns to the natural order.
  void ArrangeColumns(const std::vector<int>& widths, std::vector<int> displayOrder);
  // Empty for the natural order.
  const std::vector<int>& DisplayOrder() const { return displayOrder_; }

  // The rest of what the screen shows and the document stores. The frame
  // and the panes report each change as the user makes it, and a save
  // writes what is here. None of these marks the document modified.
  //
  // Split positions in hundredths of a percent: the main splitter's, the
  // left column's and the right column's.
  void SetSplits(std::int32_t main, std::int32_t left, std::int32_t right);
  void SetPaneShown(PaneId pane, bool shown);
  void SetTreeToolBarShown(bool shown);
  // The image pane's display mode: fitted to the pane or actual size.
  void SetImageFit(bool fit);
  // The search box's list, top entry first (CP932). A search puts its text
  // on top; the box removes entries on the user's request. Each change
  // tells the views.
  const std::vector<std::string>& SearchHistory() const { return data_.history; }
  void AddSearchHistory(std::string text);
  void RemoveSearchHistory(std::size_t entry);
  void SetSearchHistory(std::vector<std::string> entries);

  // The settings dialog's document set: the settings record takes it, the
  // document is marked modified and every view takes the new settings as
  // at an initial update.
  void ApplySettings(const SettingsSet& set);

  // Column commands; the view passes the column whose header was chosen.
  void AddColumn();
  void DeleteColumn(int column);
  // The column settings dialog's names, widths and alignment, columns 1..N.
  void SetColumnSettings(const std::vector<ColumnSetting>& columns);

  // Undo and redo (listora_doc_undo.cpp). Each edit method below is one
  // step of the history; undoing or redoing it sends one hint that selects
  // and shows the rows it touched, and the modified mark follows whether
  // the state shown is the one last saved.
  const EditHistory& History() const { return history_; }
  // True once per document, after the first step for which the history
  // let its oldest steps go.
  bool TakeHistoryDropped() { return history_.TakeFirstDrop(); }
  void Undo();
  void Redo();
  // The text pane's visit of a memo ended: what is typed next is a step of
  // its own.
  void EndMemoEdit() { history_.EndMerging(); }

  // Edits of rows (listora_doc_edits.cpp). Each changes the table, marks
  // the document modified (sorting and moving rows do not) and sends one
  // hint. Texts are CP932; a row or column outside the table does nothing.
  //
  // User column `column` (1..C-1) of `row`: an in-place edit or a paste.
  void SetCell(int row, int column, std::string_view text, bool pasted = false);
  // The memo of `row` (the text pane); its icon follows.
  void SetMemo(int row, std::string_view memo);
  void DeleteRows(std::span<const int> ascendingRows);
  // Dragged rows let go: they land together in front of row `dropIndex`
  // and become the selection. False when nothing moved.
  bool MoveRows(std::span<const int> draggedRows, int dropIndex);
  // A header click: the whole table sorted by `column`, in the direction
  // `directions` (the list's, which outlive documents) say next.
  bool SortByColumn(int column, SortFlags& directions);
  // The list search: the matching items move to the top and become the
  // selection, then the result message is shown; `remember` puts the text
  // on top of the search history (the search box's search). Nothing
  // happens (nullopt) for an empty table or text.
  std::optional<ListSearchResult> ListSearch(std::string_view text, bool remember = false);
  // One item per path (dropped files, "-D") as the insertion settings say;
  // the last row is shown. Modified when a folder was enumerated or an item
  // inserted (listora_doc_insert.cpp).
  InsertResult InsertPaths(const std::vector<std::filesystem::path>& paths);
  // Append-open: the items of further document files after ours, with the
  // progress dialog; the last row is shown (listora_doc_append.cpp).
  void AppendDocuments(const std::vector<std::filesystem::path>& files);
  // Imported CSV or tab-separated records: the items of a document just
  // made new, which takes their columns and names, or appended after ours
  // with our columns; the last row is shown (listora_doc_import.cpp).
  void ImportTable(const ImportedTable& table, bool newDocument);

  // Item tools (listora_doc_tools.cpp). Each changes the table, marks the
  // document modified and tells the views. Texts are CP932.
  //
  // Appends an item with user columns 1..values.size() and attaches its
  // image; returns its row.
  int AddItem(const std::vector<std::string>& values, std::string_view imagePath);
  // Rewrites user columns 1..values.size() of `row` (the item dialog, a
  // paste of all fields); attaches `imagePath` when one is given. Calls
  // with one `mergeKey` from NewMergeKey() in a row make one step.
  void ModifyItem(int row, const std::vector<std::string>& values, const std::string* imagePath,
                  bool pasted = false, std::uint64_t mergeKey = 0);
  // A key no edit has used, for the edits of one dialog that make one step.
  static std::uint64_t NewMergeKey();
  // The image-attachment operation for `rows`: copied into the image folder
  // when the settings say so (asking before overwriting); failures are
  // reported. Returns the path the rows now hold.
  std::string AttachImage(std::span<const int> rows, std::string_view path);
  // The find and replace dialog's walk over this document's cells.
  FindReplaceSession StartFindReplace();
  // One cell of the find and replace dialog.
  FindStepResult ReplaceAndFindNext(FindReplaceSession& session, const FindReplaceOptions& options);
  // "すべて置換", with the progress dialog; what was replaced before a cancel
  // stays.
  ReplaceAllResult ReplaceAll(FindReplaceSession& session, FindReplaceOptions& options);
  // The automatic insertion settings the dialog stored: the document's,
  // so they are saved with it.
  void SetAutoInsertSettings(const AutoInsertSettings& settings);
  // One automatic insertion run over `settings`, which the document stores
  // as part of the run's step.
  InsertResult RunAutoInsert(const AutoInsertSettings& settings);

  bool OnNewDocument() override;
  bool OnOpenDocument(const wxString& file) override;
  // Stores whatever is open, modified or not: sorting, pane layout, column
  // widths and the search history change what is stored without marking
  // the document. A file written by someone else since it was opened or
  // saved here is replaced only when the user says so.
  bool Save() override;
  bool SaveAs() override;
  bool OnSaveModified() override;

 protected:
  bool DoSaveDocument(const wxString& file) override;

 private:
  // Tests set a document up without the edit methods.
  friend struct test::DocumentSetup;
  // The new-document state: no items, settings from the settings file.
  void ResetContent();
  // A refused or unreadable file leaves a new, empty document "無題".
  bool BecomeUntitled();
  // Text still being edited in place is part of what is saved or closed:
  // the view's committer commits it first.
  void FinishEdits();
  // Rows were added at the end: the counts and the last row are shown, and
  // the document is marked modified when `modified`.
  void RowsAppended(bool modified);
  // The search history changed: the search box and a new document follow.
  void SearchHistoryChanged();
  // After an undo or redo: the mark and the views follow the step.
  void ShowStep(const std::optional<StepReport>& report);
  // The automatic insertion over the stored settings, with the progress
  // dialog.
  InsertResult InsertWithProgress();
  // The image attachment without the hint and the mark.
  std::string AttachImageQuietly(std::span<const int> rows, std::string_view path);

  ProgramState* program_ = nullptr;
  wxWeakRef<wxWindow> owner_;
  std::filesystem::path imageFolder_;
  PrintLayout printLayout_;
  Document data_;
  std::function<void()> commitEdits_;
  std::vector<int> displayOrder_;
  std::string password_;  // CP932
  // The file as this document last read or wrote it.
  std::optional<FileStamp> stamp_;
  // The file whose folder takes no new file, once the user was told that
  // saves there overwrite it in place.
  std::filesystem::path inPlaceTold_;
  EditHistory history_{data_, displayOrder_};

  wxDECLARE_DYNAMIC_CLASS(ListoraDoc);
};

// "Listoraファイル (*.ltb)", for the open and save choosers.
wxString DocumentWildcard();

}  // namespace listora
