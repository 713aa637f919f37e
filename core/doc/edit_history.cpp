#include "core/doc/edit_history.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace listora {

namespace {

// Sets the bytes of `settings` that differ between `from` and `to` to those
// of `to`, leaving what changed outside the step (a split moved since, say).
void Patch(DocumentSettings& settings, const DocumentSettings& from, const DocumentSettings& to) {
  auto* out = reinterpret_cast<unsigned char*>(&settings);
  const auto* a = reinterpret_cast<const unsigned char*>(&from);
  const auto* b = reinterpret_cast<const unsigned char*>(&to);
  for (std::size_t i = 0; i < sizeof(DocumentSettings); ++i)
    if (a[i] != b[i]) out[i] = b[i];
}

template <typename Block>
bool Differ(const Block& a, const Block& b) {
  return std::memcmp(&a, &b, sizeof(Block)) != 0;
}

}  // namespace

EditHistory::EditHistory(Document& doc, std::vector<int>& displayOrder, HistoryLimits limits)
    : doc_(doc), displayOrder_(displayOrder), limits_(limits) {}

EditHistory::~EditHistory() {
  if (depth_ > 0) doc_.items.AttachJournal(nullptr);
}

void EditHistory::Begin(std::string name, std::uint64_t mergeKey) {
  if (depth_++ > 0) return;
  largestDocument_ = std::max(largestDocument_, doc_.items.MemoryBytes());
  merging_ = mergeKey != 0 && mergeOpen_ && current_ == steps_.size() && current_ > 0 &&
             steps_.back().mergeKey == mergeKey;
  if (merging_) {
    open_ = std::move(steps_.back());
    steps_.pop_back();
    --current_;
  } else {
    open_ = Step{};
    open_.name = std::move(name);
    open_.mergeKey = mergeKey;
  }
  if (!open_.settingsBefore) open_.settingsBefore = doc_.settings;
  if (!open_.orderBefore) open_.orderBefore = displayOrder_;
  if (!open_.historyBefore) open_.historyBefore = doc_.history;
  doc_.items.AttachJournal(&open_.journal);
}

void EditHistory::MarkEdit() {
  if (depth_ > 0) open_.marks = true;
}

void EditHistory::Select(std::vector<int> rows) { open_.selected = std::move(rows); }

void EditHistory::End() {
  if (depth_ == 0 || --depth_ > 0) return;
  doc_.items.AttachJournal(nullptr);
  // Only what the step changed is kept.
  if (Differ(*open_.settingsBefore, doc_.settings)) {
    open_.settingsAfter = doc_.settings;
  } else {
    open_.settingsBefore.reset();
    open_.settingsAfter.reset();
  }
  if (*open_.orderBefore != displayOrder_) {
    open_.orderAfter = displayOrder_;
  } else {
    open_.orderBefore.reset();
    open_.orderAfter.reset();
  }
  if (*open_.historyBefore != doc_.history) {
    open_.historyAfter = doc_.history;
  } else {
    open_.historyBefore.reset();
    open_.historyAfter.reset();
  }

  const bool changed =
      !open_.journal.Empty() || open_.settingsAfter || open_.orderAfter || open_.historyAfter;
  if (!changed && !open_.marks && !merging_) return;
  if (!merging_) DropRedo();
  Measure(open_);
  mergeOpen_ = open_.mergeKey != 0;
  steps_.push_back(std::move(open_));
  open_ = Step{};
  ++current_;
  Trim();
}

void EditHistory::DropRedo() {
  if (saved_ > current_) {
    savedLost_ = savedLost_ || MarksBetween(current_, saved_);
    saved_ = current_;
  }
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(current_), steps_.end());
}

void EditHistory::Trim() {
  const std::size_t budget = std::max(limits_.minBytes, 2 * largestDocument_);
  std::size_t total = MemoryBytes();
  while (steps_.size() > 1 && (steps_.size() > limits_.steps || total > budget)) {
    total -= steps_.front().bytes;
    if (saved_ == 0)
      savedLost_ = savedLost_ || steps_.front().marks;
    else
      --saved_;
    steps_.pop_front();
    --current_;
    if (drop_ == Drop::kNone) drop_ = Drop::kUnsaid;
  }
}

bool EditHistory::TakeFirstDrop() {
  if (drop_ != Drop::kUnsaid) return false;
  drop_ = Drop::kSaid;
  return true;
}

void EditHistory::Measure(Step& step) {
  step.bytes = sizeof(Step) + step.journal.MemoryBytes() + step.selected.capacity() * sizeof(int);
  if (step.orderBefore)
    step.bytes += (step.orderBefore->capacity() + step.orderAfter->capacity()) * sizeof(int);
  if (step.historyBefore)
    for (const auto* entries : {&*step.historyBefore, &*step.historyAfter})
      for (const std::string& entry : *entries)
        step.bytes += sizeof(std::string) + entry.capacity();
}

bool EditHistory::MarksBetween(std::size_t a, std::size_t b) const {
  if (a > b) std::swap(a, b);
  for (std::size_t i = a; i < b; ++i)
    if (steps_[i].marks) return true;
  return false;
}

std::string_view EditHistory::UndoName() const {
  return CanUndo() ? std::string_view(steps_[current_ - 1].name) : std::string_view();
}

std::string_view EditHistory::RedoName() const {
  return CanRedo() ? std::string_view(steps_[current_].name) : std::string_view();
}

StepReport EditHistory::Report(const Step& step, std::vector<int> rows) const {
  StepReport report;
  report.name = step.name;
  report.rows = std::move(rows);
  report.rowsChanged = !step.journal.Empty();
  report.columnsChanged = step.orderBefore.has_value();
  report.historyChanged = step.historyBefore.has_value();
  if (step.settingsBefore) {
    const DocumentSettings& a = *step.settingsBefore;
    const DocumentSettings& b = *step.settingsAfter;
    report.columnsChanged = report.columnsChanged || Differ(a.columns, b.columns);
    report.otherSettings = Differ(a.layout, b.layout) || Differ(a.styles, b.styles) ||
                           Differ(a.autoInsert, b.autoInsert) || Differ(a.display, b.display);
  }
  return report;
}

std::optional<StepReport> EditHistory::Undo() {
  if (!CanUndo() || depth_ > 0) return std::nullopt;
  mergeOpen_ = false;
  Step& step = steps_[--current_];
  std::vector<int> rows = step.journal.Undo(doc_.items, step.selected);
  if (step.settingsBefore) Patch(doc_.settings, *step.settingsAfter, *step.settingsBefore);
  if (step.orderBefore) displayOrder_ = *step.orderBefore;
  if (step.historyBefore) doc_.history = *step.historyBefore;
  Measure(step);
  return Report(step, std::move(rows));
}

std::optional<StepReport> EditHistory::Redo() {
  if (!CanRedo() || depth_ > 0) return std::nullopt;
  mergeOpen_ = false;
  Step& step = steps_[current_++];
  std::vector<int> rows = step.journal.Redo(doc_.items, step.selected);
  if (step.settingsBefore) Patch(doc_.settings, *step.settingsBefore, *step.settingsAfter);
  if (step.orderAfter) displayOrder_ = *step.orderAfter;
  if (step.historyAfter) doc_.history = *step.historyAfter;
  Measure(step);
  return Report(step, std::move(rows));
}

void EditHistory::MarkSaved() {
  saved_ = current_;
  savedLost_ = false;
  mergeOpen_ = false;
}

bool EditHistory::Modified() const { return savedLost_ || MarksBetween(current_, saved_); }

void EditHistory::Clear() {
  steps_.clear();
  current_ = saved_ = 0;
  savedLost_ = false;
  mergeOpen_ = false;
  largestDocument_ = 0;
  drop_ = Drop::kNone;
}

std::size_t EditHistory::MemoryBytes() const {
  std::size_t total = 0;
  for (const Step& step : steps_) total += step.bytes;
  return total;
}

}  // namespace listora
