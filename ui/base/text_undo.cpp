#include "ui/base/text_undo.h"

#include <wx/combo.h>
#include <wx/event.h>
#include <wx/eventfilter.h>
#include <wx/textctrl.h>
#include <wx/textentry.h>
#include <wx/window.h>

#include <algorithm>
#include <map>
#include <memory>

namespace listora {

namespace {

// A field keeps this many steps; the oldest go first.
constexpr std::size_t kMaxSteps = 100;

}  // namespace

TextUndo::TextUndo(wxTextEntry& entry) : entry_(entry), shown_(entry.GetValue()) {}

void TextUndo::Changed() {
  if (applying_) return;
  const wxString now = entry_.GetValue();
  if (now == shown_) return;
  // The edit is what lies between the common head and the common tail.
  const std::size_t shorter = std::min(now.length(), shown_.length());
  std::size_t head = 0;
  while (head < shorter && now[head] == shown_[head]) ++head;
  std::size_t tail = 0;
  while (tail < shorter - head &&
         now[now.length() - 1 - tail] == shown_[shown_.length() - 1 - tail])
    ++tail;
  Edit edit;
  edit.at = head;
  edit.removed = shown_.substr(head, shown_.length() - head - tail);
  edit.inserted = now.substr(head, now.length() - head - tail);
  shown_ = now;

  const bool typed = edit.removed.empty() && edit.inserted.length() == 1 && edit.inserted != "\n";
  const bool deleted = edit.inserted.empty() && edit.removed.length() == 1;
  const bool joins = Joins(edit);
  edits_.erase(edits_.begin() + static_cast<std::ptrdiff_t>(done_), edits_.end());
  if (joins) {
    Edit& last = edits_.back();
    if (typed) {
      last.inserted += edit.inserted;
    } else if (edit.at == last.at) {
      last.removed += edit.removed;  // Delete, the caret staying
    } else {
      last.at = edit.at;  // Backspace, the caret going back
      last.removed = edit.removed + last.removed;
    }
  } else {
    edits_.push_back(std::move(edit));
    if (edits_.size() > kMaxSteps) edits_.pop_front();
  }
  done_ = edits_.size();
  run_ = typed ? Run::kTyping : deleted ? Run::kDeleting : Run::kNone;
}

bool TextUndo::Joins(const Edit& edit) const {
  if (done_ == 0 || done_ != edits_.size()) return false;
  const Edit& last = edits_.back();
  if (run_ == Run::kTyping)
    return edit.removed.empty() && edit.inserted.length() == 1 && edit.inserted != "\n" &&
           edit.at == last.at + last.inserted.length();
  if (run_ == Run::kDeleting)
    return edit.inserted.empty() && edit.removed.length() == 1 &&
           (edit.at == last.at || edit.at + 1 == last.at);
  return false;
}

void TextUndo::CatchUp() {
  if (applying_) return;
  const wxString now = entry_.GetValue();
  if (now == shown_) return;
  shown_ = now;
  edits_.clear();
  done_ = 0;
  run_ = Run::kNone;
}

void TextUndo::Undo() {
  CatchUp();
  if (!CanUndo()) return;
  Apply(edits_[--done_], true);
}

void TextUndo::Redo() {
  CatchUp();
  if (!CanRedo()) return;
  Apply(edits_[done_++], false);
}

// SetValue rather than ChangeValue: whoever follows the field's text (the
// memo pane, a dialog's sample) sees an undo as it sees typing.
void TextUndo::Apply(const Edit& edit, bool undo) {
  const wxString& out = undo ? edit.inserted : edit.removed;
  const wxString& in = undo ? edit.removed : edit.inserted;
  wxString text = shown_;
  text.replace(edit.at, out.length(), in);
  applying_ = true;
  entry_.SetValue(text);
  applying_ = false;
  shown_ = entry_.GetValue();
  entry_.SetInsertionPoint(static_cast<long>(edit.at + in.length()));
  run_ = Run::kNone;
}

namespace {

std::map<wxWindow*, std::unique_ptr<TextUndo>>& Histories() {
  static auto* histories = new std::map<wxWindow*, std::unique_ptr<TextUndo>>;
  return *histories;
}

TextUndo* Find(wxObject* object) {
  const auto found = Histories().find(dynamic_cast<wxWindow*>(object));
  return found == Histories().end() ? nullptr : found->second.get();
}

// The field's history, made the first time it is asked for; null for a
// window that is no text field. A combo box's is its text's.
TextUndo* Of(wxWindow* window) {
  if (auto* combo = dynamic_cast<wxComboCtrl*>(window); combo && combo->GetTextCtrl())
    window = combo->GetTextCtrl();
  if (!window) return nullptr;
  if (TextUndo* undo = Find(window)) return undo;
  auto* entry = dynamic_cast<wxTextEntry*>(window);
  if (!entry) return nullptr;
  auto made = std::make_unique<TextUndo>(*entry);
  TextUndo* undo = made.get();
  Histories().emplace(window, std::move(made));
  window->Bind(wxEVT_DESTROY, [window](wxWindowDestroyEvent& event) {
    event.Skip();
    if (event.GetEventObject() == window) Histories().erase(window);
  });
  return undo;
}

bool Moves(int key) {
  switch (key) {
    case WXK_LEFT:
    case WXK_RIGHT:
    case WXK_UP:
    case WXK_DOWN:
    case WXK_HOME:
    case WXK_END:
    case WXK_PAGEUP:
    case WXK_PAGEDOWN: return true;
    default: return false;
  }
}

class TextUndoFilter : public wxEventFilter {
 public:
  int FilterEvent(wxEvent& event) override {
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_SET_FOCUS) {
      if (TextUndo* undo = Of(dynamic_cast<wxWindow*>(event.GetEventObject()))) undo->CatchUp();
    } else if (type == wxEVT_TEXT) {
      if (TextUndo* undo = Find(event.GetEventObject())) undo->Changed();
    } else if (type == wxEVT_LEFT_DOWN || type == wxEVT_MIDDLE_DOWN) {
      if (TextUndo* undo = Of(dynamic_cast<wxWindow*>(event.GetEventObject()))) {
        undo->CatchUp();
        undo->EndRun();
      }
    } else if (type == wxEVT_KEY_DOWN) {
      if (TextUndo* undo = Of(dynamic_cast<wxWindow*>(event.GetEventObject())))
        return OnKey(*undo, static_cast<wxKeyEvent&>(event));
    }
    return Event_Skip;
  }

 private:
  static int OnKey(TextUndo& undo, const wxKeyEvent& key) {
    undo.CatchUp();
    const int code = key.GetKeyCode();
    const int modifiers = key.GetModifiers();
    if (Moves(code)) undo.EndRun();
    const bool undoKey =
        (modifiers == wxMOD_CONTROL && code == 'Z') || (modifiers == wxMOD_ALT && code == WXK_BACK);
    const bool redoKey = (modifiers == wxMOD_CONTROL && code == 'Y') ||
                         (modifiers == (wxMOD_CONTROL | wxMOD_SHIFT) && code == 'Z');
    if (undoKey && undo.CanUndo()) {
      undo.Undo();
      return Event_Processed;
    }
    if (redoKey && undo.CanRedo()) {
      undo.Redo();
      return Event_Processed;
    }
    return Event_Skip;
  }
};

}  // namespace

void UseTextUndo() {
  // Lives as long as the program; the filter list keeps a pointer to it.
  static TextUndoFilter* const filter = [] {
    auto* made = new TextUndoFilter;
    wxEvtHandler::AddFilter(made);
    return made;
  }();
  static_cast<void>(filter);
}

TextUndo* FocusedTextUndo() { return Of(wxWindow::FindFocus()); }

}  // namespace listora
