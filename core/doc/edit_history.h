#pragma once
// The undo history of one open document: every edit is one step holding
// what undoing it takes (the item table's journal, and the settings bytes,
// column order and search history it changed), so undo and redo cost about what the edit
// changed, never a copy of the document. Bounded by a number of steps and
// a memory budget; the oldest steps go first, the newest always stays.
//
// It also knows whether the document differs from the state last saved:
// a step says whether its edit marks the document modified (a sort or a
// move does not), and the document is modified while a marking step lies
// between the state shown and the state saved.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/doc/document_file.h"
#include "core/doc/table_journal.h"

namespace listora {

struct HistoryLimits {
  std::size_t steps = 100;
  // The budget is this, or twice the largest the document has been if
  // that is more.
  std::size_t minBytes = std::size_t{64} << 20;
};

// What an undo or redo did, for the views.
struct StepReport {
  std::string name;
  // The rows the step touched as they lie now, ascending.
  std::vector<int> rows;
  bool rowsChanged = false;     // the table changed
  bool columnsChanged = false;  // the column descriptors or their order
  bool otherSettings = false;   // any other settings block
  bool historyChanged = false;  // the search history
};

class EditHistory {
 public:
  // `displayOrder` is the column order the document stores beside `doc`.
  EditHistory(Document& doc, std::vector<int>& displayOrder, HistoryLimits limits = {});
  EditHistory(const EditHistory&) = delete;
  EditHistory& operator=(const EditHistory&) = delete;
  ~EditHistory();

  // One edit between Begin and End; nested pairs make one step. `name`
  // is the step's name as the commands show it. An edit with the same
  // non-zero `mergeKey` as the step before it, with nothing in between and
  // merging not ended, joins that step (the keys of a memo typed on, say).
  void Begin(std::string name, std::uint64_t mergeKey = 0);
  // The edit in progress marks the document modified.
  void MarkEdit();
  // Rows of the state after the edit that it is about when the changes
  // do not say so (the rows a move or a search brought together).
  void Select(std::vector<int> rows);
  // Records the step when anything changed, or when it marks.
  void End();
  // The next edit starts a step of its own whatever its merge key.
  void EndMerging() { mergeOpen_ = false; }

  bool CanUndo() const { return current_ > 0; }
  bool CanRedo() const { return current_ < steps_.size(); }
  std::string_view UndoName() const;
  std::string_view RedoName() const;
  std::optional<StepReport> Undo();
  std::optional<StepReport> Redo();

  // The state shown is the state in the document file now.
  void MarkSaved();
  bool Modified() const;
  // Forgets every step: a new or opened document, which is as saved.
  void Clear();

  // True once, after the first step that made the bound drop the oldest.
  bool TakeFirstDrop();

  std::size_t StepCount() const { return steps_.size(); }
  std::size_t MemoryBytes() const;

 private:
  struct Step {
    std::string name;
    bool marks = false;
    std::uint64_t mergeKey = 0;
    TableJournal journal;
    std::optional<DocumentSettings> settingsBefore;
    std::optional<DocumentSettings> settingsAfter;
    std::optional<std::vector<int>> orderBefore;
    std::optional<std::vector<int>> orderAfter;
    std::optional<std::vector<std::string>> historyBefore;
    std::optional<std::vector<std::string>> historyAfter;
    std::vector<int> selected;
    std::size_t bytes = 0;
  };

  // Drops the steps after the state shown, keeping track of the saved one.
  void DropRedo();
  void Trim();
  bool MarksBetween(std::size_t a, std::size_t b) const;
  StepReport Report(const Step& step, std::vector<int> rows) const;
  static void Measure(Step& step);

  Document& doc_;
  std::vector<int>& displayOrder_;
  HistoryLimits limits_;
  std::deque<Step> steps_;
  std::size_t current_ = 0;  // steps_[0..current_) are applied
  // The saved state: after `saved_` steps, or, when `savedLost_`, a state
  // no longer reachable that differs by a marking edit.
  std::size_t saved_ = 0;
  bool savedLost_ = false;
  std::size_t largestDocument_ = 0;
  enum class Drop { kNone, kUnsaid, kSaid } drop_ = Drop::kNone;

  // The edit in progress.
  int depth_ = 0;
  bool merging_ = false;
  bool mergeOpen_ = false;
  Step open_;
};

// Begin and End around a scope, so an edit that leaves early or throws
// still ends its step.
class EditStep {
 public:
  explicit EditStep(EditHistory& history, std::string name, std::uint64_t mergeKey = 0)
      : history_(history) {
    history_.Begin(std::move(name), mergeKey);
  }
  ~EditStep() { history_.End(); }
  EditStep(const EditStep&) = delete;
  EditStep& operator=(const EditStep&) = delete;

 private:
  EditHistory& history_;
};

}  // namespace listora
