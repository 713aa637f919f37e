#include "ui/doc/listora_doc.h"

#include <wx/filename.h>

#include <algorithm>
#include <filesystem>
#include <new>
#include <string>
#include <utility>

#include "core/base/file_io.h"
#include "core/base/messages.h"
#include "core/doc/columns.h"
#include "core/doc/protection_settings.h"
#include "core/print/print_layout.h"
#include "core/tools/image_paths.h"
#include "ui/base/command_ids.h"
#include "ui/base/messages.h"
#include "ui/base/progress_dialog.h"
#include "ui/base/prompt.h"
#include "ui/base/save_chooser.h"
#include "ui/doc/chooser_folder.h"
#include "ui/text/text_convert.h"

namespace listora {

wxIMPLEMENT_DYNAMIC_CLASS(ListoraDoc, wxDocument);

wxString DocumentWildcard() { return Utf8(msg::kDocumentFilter); }

namespace {

std::filesystem::path ToPath(const wxString& file) {
  return std::filesystem::path(file.utf8_string());
}

}  // namespace

ListoraDoc::ListoraDoc() = default;

void ListoraDoc::SetProgram(ProgramState& program, wxWindow* owner) {
  program_ = &program;
  owner_ = owner;
  printLayout_ = ReadPrintLayout(program.settingsFile);
}

void ListoraDoc::MarkModified() {
  history_.MarkEdit();
  Modify(true);
  // Modify() retitles only when the flag changes; the title must end in
  // one "*" in any case.
  if (wxView* view = GetFirstView()) view->OnChangeFilename();
}

void ListoraDoc::Changed(DocHint::Kind kind, long row) { Changed(DocHint(kind, row)); }

void ListoraDoc::Changed(const DocHint& hint) {
  // New descriptors are held as the list shows them, so whoever reads them
  // (the list, the dialogs, export, print) sees the same columns.
  if (hint.Has(DocHint::Kind::kNewDocument) || hint.Has(DocHint::Kind::kOpenedDocument) ||
      hint.Has(DocHint::Kind::kColumns) || hint.Has(DocHint::Kind::kSettings))
    NormaliseShownColumns(data_.settings.columns);
  DocHint sent(hint);
  UpdateAllViews(nullptr, &sent);
}

void ListoraDoc::ResetContent() {
  history_.Clear();
  data_.items.ClearRows();
  // The search box keeps its list for a new document.
  data_.history = program_->searchHistory;
  displayOrder_.clear();
  ResetDocumentSettings(program_->settingsFile, data_.settings);
  password_.clear();
  stamp_.reset();
  UpdateImageFolder();
  Changed(DocHint::Kind::kNewDocument);
}

bool ListoraDoc::OnNewDocument() {
  if (!wxDocument::OnNewDocument()) return false;
  ResetContent();
  return true;
}

bool ListoraDoc::BecomeUntitled() { return OnNewDocument(); }

bool ListoraDoc::OnOpenDocument(const wxString& file) {
  // Taken before the read: a write in between then counts as a change.
  const std::optional<FileStamp> stamp = StampOf(ToPath(file));
  FileError error;
  std::optional<std::string> bytes = ReadFileBytes(ToPath(file), &error);
  if (!bytes) {
    ThePrompt().Error(Owner(), Utf8(error.what));
    return BecomeUntitled();
  }

  history_.Clear();
  LoadResult result;
  {
    // From the moment the header was accepted until the load ends.
    ProgressRun progress(Owner());
    LoadCallbacks callbacks;
    callbacks.askPassword = [this] { return PasswordFromWx(ThePrompt().AskPassword(Owner())); };
    callbacks.begin = [&progress](std::uint32_t total) { progress.Begin(total); };
    callbacks.step = [&progress](int done) { return progress.Step(done); };
    password_.clear();
    result = LoadDocument(std::move(*bytes), callbacks, data_);
  }

  switch (result.status) {
    case LoadStatus::kNotDocument:
    case LoadStatus::kBadVersion:
    case LoadStatus::kEndedEarly:
      ThePrompt().FileFormatError(Owner(), Utf8(LoadStatusMessage(result.status)));
      return BecomeUntitled();
    case LoadStatus::kWrongPassword:
      ThePrompt().Error(Owner(), Utf8(LoadStatusMessage(result.status)));
      return BecomeUntitled();
    case LoadStatus::kLoaded:
    case LoadStatus::kCancelled: break;
  }
  password_ = result.password;
  stamp_ = stamp;
  SetTitle(wxFileNameFromPath(file));
  SetFilename(file, true);
  Modify(false);
  SetDocumentSaved(true);
  // The file holds the columns in the order they were shown.
  displayOrder_.clear();
  program_->searchHistory = data_.history;
  UpdateImageFolder();
  Changed(DocHint::Kind::kOpenedDocument);
  // Said once, over the items that are there, before a save makes it final.
  if (result.endedEarly) ThePrompt().FileFormatError(Owner(), Utf8(EndedEarlyMessage(result)));
  return true;
}

void ListoraDoc::FinishEdits() {
  if (commitEdits_) commitEdits_();
}

bool ListoraDoc::DoSaveDocument(const wxString& file) {
  FinishEdits();
  const auto [passSetting, angoSetting] = ReadProtectionSettings(program_->settingsFile);
  if (passSetting) password_ = PasswordFromWx(ThePrompt().SetPassword(Owner()));
  StoreOptions options;
  options.mode = ChooseProtectionMode(passSetting, angoSetting, password_);
  options.password = password_;
  options.displayOrder = displayOrder_;

  // A pipe or device target would at best block the window.
  WriteOptions write;
  write.special = SpecialTarget::kRefuse;
  const std::filesystem::path path = ToPath(file);
  write.beforeInPlace = [this, &path](const std::string& notice) {
    if (inPlaceTold_ == path) return;
    ThePrompt().Info(Owner(), Utf8(notice), Utf8(msg::kAppTitle));
    inPlaceTold_ = path;
  };
  WriteReport report;
  FileError error;
  try {
    if (!WriteFile(path, StoreDocument(data_, options), write, &report, &error)) {
      ThePrompt().Error(Owner(), Utf8(error.what));
      return false;
    }
  } catch (const std::bad_alloc&) {
    // The command ends; the document, its "*" and the old file stay.
    ThePrompt().Error(Owner(), Utf8(msg::kOutOfMemory));
    return false;
  }
  stamp_ = report.stamp;
  history_.MarkSaved();
  for (const std::string& warning : report.warnings) ThePrompt().Error(Owner(), Utf8(warning));
  return true;
}

bool ListoraDoc::Save() {
  if (GetFilename().empty() || !GetDocumentSaved()) return SaveAs();
  if (ChangedSince(ToPath(GetFilename()), stamp_) &&
      !ThePrompt().YesNo(Owner(), wxString::Format(Utf8(msg::kChangedOnDiskQuestion),
                                                   wxFileNameFromPath(GetFilename()))))
    return false;
  return OnSaveDocument(GetFilename());
}

bool ListoraDoc::SaveAs() {
  // A saved document is proposed where it lies, a new one where choosers
  // start.
  wxFileName proposed(GetFilename());
  if (!proposed.IsAbsolute())
    proposed.Assign(ChooserFolder(this, Program()), GetUserReadableName());
  if (proposed.GetExt().empty()) proposed.SetExt("ltb");
  const wxString path = ChooseSavePath(Owner(), Utf8(msg::kSaveAsTitle), proposed.GetFullPath(),
                                       DocumentWildcard(), "ltb");
  if (path.empty()) return false;
  RememberChosenFile(path, Program());
  if (!OnSaveDocument(path)) return false;
  SetTitle(wxFileNameFromPath(path));
  SetFilename(path, true);
  UpdateImageFolder();
  GetDocumentManager()->AddFileToHistory(path);
  return true;
}

bool ListoraDoc::OnSaveModified() {
  FinishEdits();
  if (!IsModified()) return true;
  switch (ThePrompt().SaveChanges(Owner(), GetUserReadableName())) {
    case SaveAnswer::kYes: return Save();
    case SaveAnswer::kNo: Modify(false); return true;
    case SaveAnswer::kCancel: break;
  }
  return false;
}

void ListoraDoc::UpdateImageFolder() {
  imageFolder_ =
      ComputeImageFolder(data_.settings.display, ToPath(GetFilename()), program_->executableDir);
}

void ListoraDoc::ArrangeColumns(const std::vector<int>& widths, std::vector<int> displayOrder) {
  const int count = std::min({static_cast<int>(widths.size()), data_.ColumnCount(), kMaxColumns});
  for (int i = 1; i < count; ++i) data_.settings.columns.widths[i] = widths[i];
  displayOrder_ = std::move(displayOrder);
}

void ListoraDoc::SetSplits(std::int32_t main, std::int32_t left, std::int32_t right) {
  PaneLayout& layout = data_.settings.layout;
  layout.split1 = main;
  layout.split2 = left;
  layout.split3 = right;
}

void ListoraDoc::SetPaneShown(PaneId pane, bool shown) {
  PaneLayout& layout = data_.settings.layout;
  std::uint8_t* flag = &layout.showList;
  switch (pane) {
    case PaneId::kList: break;
    case PaneId::kTree: flag = &layout.showTree; break;
    case PaneId::kText: flag = &layout.showText; break;
    case PaneId::kImage: flag = &layout.showImage; break;
  }
  *flag = shown ? 1 : 0;
}

void ListoraDoc::SetTreeToolBarShown(bool shown) {
  data_.settings.display.treeToolBar = shown ? 1 : 0;
}

void ListoraDoc::SetImageFit(bool fit) { data_.settings.display.imageFit = fit ? 1 : 0; }

void ListoraDoc::SearchHistoryChanged() {
  program_->searchHistory = data_.history;
  Changed(DocHint::Kind::kSearchHistory);
}

void ListoraDoc::AddSearchHistory(std::string text) {
  data_.history.insert(data_.history.begin(), std::move(text));
  SearchHistoryChanged();
}

void ListoraDoc::RemoveSearchHistory(std::size_t entry) {
  if (entry >= data_.history.size()) return;
  data_.history.erase(data_.history.begin() + static_cast<std::ptrdiff_t>(entry));
  SearchHistoryChanged();
}

void ListoraDoc::SetSearchHistory(std::vector<std::string> entries) {
  if (entries == data_.history) return;
  data_.history = std::move(entries);
  SearchHistoryChanged();
}

void ListoraDoc::ApplySettings(const SettingsSet& set) {
  EditStep step(history_, std::string(msg::kStepSettings));
  const int columns = data_.ColumnCount();
  ApplyDocumentSet(set, data_.settings);
  DocHint hint(DocHint::Kind::kSettings);
  // Another column count is a change of the columns themselves.
  if (data_.ColumnCount() != columns) {
    displayOrder_.clear();
    hint.Also(DocHint::Kind::kColumns);
  }
  UpdateImageFolder();
  Changed(hint);
  MarkModified();
}

void ListoraDoc::AddColumn() {
  EditStep step(history_, std::string(msg::kStepAddColumn));
  if (listora::AddColumn(data_.settings.columns) == ColumnChange::kAtMaximum) {
    ThePrompt().Error(Owner(), Utf8(msg::kColumnsAtMaximum));
    return;
  }
  displayOrder_.clear();
  Changed(DocHint::Kind::kColumns);
  MarkModified();
}

void ListoraDoc::DeleteColumn(int column) {
  EditStep step(history_, std::string(msg::kStepDeleteColumn));
  switch (listora::DeleteColumn(data_.settings.columns, data_.items, column)) {
    case ColumnChange::kAtMinimum:
      ThePrompt().Error(Owner(), Utf8(msg::kCannotDeleteColumn));
      return;
    case ColumnChange::kNoColumn:
    case ColumnChange::kAtMaximum: return;
    case ColumnChange::kDone: break;
  }
  displayOrder_.clear();
  Changed(DocHint::Kind::kColumns);
  MarkModified();
}

}  // namespace listora
