// The document's methods behind the item tools: each changes the table
// through the core as one step of the history, marks the document modified
// and sends one hint.

#include "core/doc/columns.h"
#include "core/tools/image_paths.h"
#include "ui/base/messages.h"
#include "ui/base/progress_dialog.h"
#include "ui/base/prompt.h"
#include "ui/doc/listora_doc.h"
#include "ui/text/text_convert.h"

namespace listora {

void ListoraDoc::SetColumnSettings(const std::vector<ColumnSetting>& columns) {
  EditStep step(history_, std::string(msg::kStepColumnSettings));
  listora::SetColumnSettings(data_.settings.columns, columns);
  Changed(DocHint::Kind::kColumns);
  MarkModified();
}

int ListoraDoc::AddItem(const std::vector<std::string>& values, std::string_view imagePath) {
  EditStep step(history_, std::string(msg::kStepAddItem));
  ItemFields fields;
  for (std::size_t i = 0; i < values.size() && i + 1 < kMaxColumns; ++i)
    fields.columns[i + 1] = values[i];
  data_.items.AppendRow(fields);
  const int row = data_.items.GetSize() - 1;
  AttachImageQuietly(std::span<const int>(&row, 1), imagePath);
  RowsAppended(true);
  return row;
}

std::uint64_t ListoraDoc::NewMergeKey() {
  // Above the keys of the memo edits, which are row numbers plus one.
  static std::uint64_t last = std::uint64_t{1} << 62;
  return ++last;
}

void ListoraDoc::ModifyItem(int row, const std::vector<std::string>& values,
                            const std::string* imagePath, bool pasted, std::uint64_t mergeKey) {
  if (row < 0 || row >= data_.items.GetSize()) return;
  EditStep step(history_, std::string(pasted ? msg::kStepPaste : msg::kStepModifyItem), mergeKey);
  for (std::size_t i = 0; i < values.size() && i + 1 < kMaxColumns; ++i)
    data_.items.SetCell(row, static_cast<int>(i) + 1, values[i]);
  if (imagePath) AttachImageQuietly(std::span<const int>(&row, 1), *imagePath);
  Changed(imagePath ? DocHint::Kind::kCells : DocHint::Kind::kTexts, row);
  MarkModified();
}

std::string ListoraDoc::AttachImageQuietly(std::span<const int> rows, std::string_view path) {
  const AttachedImage attached =
      listora::AttachImage(data_.items, rows, path, data_.settings.display, imageFolder_,
                           [](const std::filesystem::path&) {
                             return ThePrompt().YesNo(nullptr, Utf8(msg::kOverwriteImage));
                           });
  if (!attached.error.empty()) ThePrompt().Error(Owner(), Utf8(attached.error));
  return attached.storedPath;
}

std::string ListoraDoc::AttachImage(std::span<const int> rows, std::string_view path) {
  EditStep step(history_, std::string(msg::kStepImage));
  std::string stored = AttachImageQuietly(rows, path);
  Changed(DocHint::Kind::kCells, rows.size() == 1 ? rows.front() : -1);
  MarkModified();
  return stored;
}

FindReplaceSession ListoraDoc::StartFindReplace() {
  return FindReplaceSession(data_.items, data_.ColumnCount() - 1);
}

FindStepResult ListoraDoc::ReplaceAndFindNext(FindReplaceSession& session,
                                              const FindReplaceOptions& options) {
  EditStep step(history_, std::string(msg::kStepReplace));
  const CellPos replacedCell = session.Current();
  const FindStepResult result = session.ReplaceAndFindNext(options);
  if (result.replaced) {
    Changed(DocHint::Kind::kTexts, replacedCell.row);
    MarkModified();
  }
  return result;
}

ReplaceAllResult ListoraDoc::ReplaceAll(FindReplaceSession& session, FindReplaceOptions& options) {
  EditStep step(history_, std::string(msg::kStepReplaceAll));
  ReplaceAllResult result;
  {
    ProgressRun progress(Owner());
    progress.Begin(data_.items.GetSize());
    result = session.ReplaceAll(options, [&progress](int done) { return progress.Step(done); });
  }
  if (result.cells > 0) {
    Changed(DocHint::Kind::kTexts);
    MarkModified();
  }
  return result;
}

void ListoraDoc::SetAutoInsertSettings(const AutoInsertSettings& settings) {
  data_.settings.autoInsert = settings;
}

InsertResult ListoraDoc::RunAutoInsert(const AutoInsertSettings& settings) {
  const AutoInsertSettings stored = data_.settings.autoInsert;
  const int before = data_.items.GetSize();
  InsertResult result;
  {
    // A run stopped half-way is a step as well: what it inserted stays,
    // and undoing it gives back the settings stored before.
    EditStep step(history_, std::string(msg::kStepAutoInsert));
    data_.settings.autoInsert = settings;
    result = InsertWithProgress();
    if (data_.items.GetSize() != before) {
      RowsAppended(true);
      return result;
    }
    // Nothing inserted: no step, and the redo stays.
    data_.settings.autoInsert = stored;
  }
  data_.settings.autoInsert = settings;
  return result;
}

InsertResult ListoraDoc::InsertWithProgress() {
  InsertOptions options;
  options.settings = data_.settings.autoInsert;
  options.columnCount = data_.ColumnCount();
  options.skipMask = program_->attributeSkipMask;
  // How many entries the tree holds is not known beforehand: the bar runs
  // round as items are made.
  ProgressRun progress(Owner());
  progress.Begin(100);
  const int before = data_.items.GetSize();
  options.cancelled = [&] { return progress.Step((data_.items.GetSize() - before) % 100); };
  return listora::RunAutoInsert(data_.items, options);
}

}  // namespace listora
