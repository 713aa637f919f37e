#include "ui/panes/text_pane.h"

#include <filesystem>

#include "core/panes/memo_file.h"
#include "ui/base/messages.h"
#include "ui/base/prompt.h"
#include "ui/doc/listora_doc.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/pane_events.h"
#include "ui/panes/pane_style.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

// Stored memos break lines with CR LF; the text box breaks them with LF.
wxString MemoForDisplay(std::string_view memo) {
  wxString text = ToWx(memo);
  text.Replace("\r\n", "\n");
  return text;
}

std::string MemoFromDisplay(wxString text) {
  text.Replace("\n", "\r\n");
  return TextFromWx(text);
}

}  // namespace

TextPane::TextPane(wxWindow* parent, const ItemListCtrl& list)
    : wxTextCtrl(parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                 wxTE_MULTILINE | wxBORDER_SUNKEN),
      list_(list) {
  // Only the user's edits raise this event; ChangeValue() does not.
  Bind(wxEVT_TEXT, &TextPane::OnTextChanged, this);
  // What is typed in one visit of the pane is one step of the history.
  Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
    if (doc_) doc_->EndMemoEdit();
    event.Skip();
  });
}

void TextPane::ApplyStyle(const StoredPaneStyle& style) { ApplyPaneStyle(*this, style); }

void TextPane::ShowMemo(int row, std::string_view memo) {
  const bool same = row == row_ && memo == shownMemo_;
  row_ = row;
  shownMemo_ = memo;
  const wxString text = MemoForDisplay(memo);
  // An edit stored from this pane comes back here; its caret stays.
  if (same && GetValue() == text) return;
  ChangeValue(text);
}

void TextPane::OnTextChanged(wxCommandEvent&) { StoreMemo(MemoFromDisplay(GetValue())); }

bool TextPane::StoreMemo(const std::string& memo) {
  if (!doc_ || list_.GetSelectedItemCount() != 1) return false;
  const ItemTable& items = doc_->Data().items;
  if (row_ < 0 || row_ >= items.GetSize()) return false;
  if (items.Memo(row_) != shownMemo_) {
    // Not from inside the text box's own change notification, which must
    // not see its text replaced.
    CallAfter([this] {
      if (doc_ && row_ >= 0 && row_ < doc_->Data().items.GetSize())
        ShowMemo(row_, doc_->Data().items.Memo(row_));
    });
    return false;
  }
  PaneEvent typed(EVT_PANE_MEMO, GetId());
  typed.SetInt(row_);
  typed.text = memo;
  ProcessWindowEvent(typed);
  shownMemo_ = items.Memo(row_);
  return true;
}

bool TextPane::DropFile(const wxString& path) {
  if (list_.GetSelectedItemCount() == 0) return false;
  const MemoFile file = ReadMemoFile(std::filesystem::path(path.utf8_string()));
  switch (file.status) {
    case MemoFile::Status::kUnreadable: return false;
    case MemoFile::Status::kTooLarge:
      ThePrompt().Error(this, Utf8(msg::kMemoFileTooLarge));
      return false;
    case MemoFile::Status::kRead: break;
  }
  // The file's bytes are stored as they are, not as the text box shows them;
  // a dropped file is a step of its own.
  ChangeValue(MemoForDisplay(file.memo));
  if (doc_) doc_->EndMemoEdit();
  const bool stored = StoreMemo(file.memo);
  if (doc_) doc_->EndMemoEdit();
  return stored;
}

}  // namespace listora
