#pragma once
// Undo and redo of the user's typing in text fields, which GTK 3's entries
// and text views do not keep. One event filter, installed at start-up, gives
// every text field of the program (wxTextCtrl, a combo box's text) a
// history the first time it takes the focus, a key or a click (whatever
// the user does to a field comes after one): a run of typed characters, or
// of characters deleted one by one, is one step; a paste, a cut or a line
// break is a step of its own. Ctrl+Z and Alt+Backspace undo, Ctrl+Y and
// Ctrl+Shift+Z redo while the field has a step to take; otherwise the keys
// go on as if the field did not want them (in the main window, to the
// document's history).

#include <wx/string.h>

#include <cstddef>
#include <deque>

class wxTextEntry;
class wxWindow;

namespace listora {

class TextUndo {
 public:
  explicit TextUndo(wxTextEntry& entry);
  TextUndo(const TextUndo&) = delete;
  TextUndo& operator=(const TextUndo&) = delete;

  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < edits_.size(); }
  void Undo();
  void Redo();

  // The field's text changed (wxEVT_TEXT): an edit of the user's.
  void Changed();
  // Before the user acts: a text the program set since starts the history
  // again, and the caret may move, which ends a run of typing.
  void CatchUp();
  void EndRun() { run_ = Run::kNone; }

 private:
  // The text at `at` was `removed` and became `inserted`.
  struct Edit {
    std::size_t at = 0;
    wxString removed;
    wxString inserted;
  };
  enum class Run { kNone, kTyping, kDeleting };

  bool Joins(const Edit& edit) const;
  void Apply(const Edit& edit, bool undo);

  wxTextEntry& entry_;
  wxString shown_;  // the text as the history last saw it
  std::deque<Edit> edits_;
  std::size_t done_ = 0;  // edits_[0..done_) are applied
  Run run_ = Run::kNone;
  bool applying_ = false;
};

// Installs the filter that keeps the histories; once, at start-up.
void UseTextUndo();
// The history of the text field that has the focus; null for none.
TextUndo* FocusedTextUndo();

}  // namespace listora
