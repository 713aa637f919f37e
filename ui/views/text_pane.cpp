#include "ui/views/text_pane.h"

#include <filesystem>

#include "core/views/memo_file.h"
#include "ui/app/doc_manager.h"
#include "ui/app/listora_app.h"
#include "ui/app/messages.h"
#include "ui/app/prompt.h"
#include "ui/app/text_convert.h"
#include "ui/doc/listora_doc.h"
#include "ui/views/item_list_ctrl.h"
#include "ui/views/pane_style.h"

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

CTextPane::CTextPane(wxWindow* parent)
    : wxTextCtrl(parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                 wxTE_MULTILINE | wxBORDER_SUNKEN) {
  // Only the user's edits raise this event; ChangeValue() does not.
  Bind(wxEVT_TEXT, &CTextPane::OnTextChanged, this);
}

void CTextPane::ApplyStyle(const ViewStyle& style) { ApplyPaneStyle(*this, style); }

void CTextPane::ShowMemo(int row, std::string_view memo) {
  row_ = row;
  shownMemo_ = memo;
  ChangeValue(MemoForDisplay(memo));
}

void CTextPane::OnTextChanged(wxCommandEvent&) { StoreMemo(MemoFromDisplay(GetValue())); }

bool CTextPane::StoreMemo(const std::string& memo) {
  CItemListCtrl* list = TheApp().Panes().list;
  CListoraDoc* doc = OpenDocument();
  if (!list || !doc || list->GetSelectedItemCount() != 1) return false;
  ItemTable& items = doc->Data().items;
  if (row_ < 0 || row_ >= items.GetSize()) return false;
  if (items.Memo(row_) != shownMemo_) {
    // Not from inside the text box's own change notification, which must
    // not see its text replaced.
    CallAfter([this] {
      const CListoraDoc* current = OpenDocument();
      if (current && row_ >= 0 && row_ < current->Data().items.GetSize())
        ShowMemo(row_, current->Data().items.Memo(row_));
    });
    return false;
  }
  items.SetMemo(row_, memo);
  items.UpdateIconIndex(row_);
  shownMemo_ = items.Memo(row_);
  list->RefreshItem(row_);
  doc->MarkModified();
  return true;
}

bool CTextPane::DropFile(const wxString& path) {
  const CItemListCtrl* list = TheApp().Panes().list;
  if (!list || list->GetSelectedItemCount() == 0) return false;
  const MemoFile file = ReadMemoFile(std::filesystem::path(path.utf8_string()));
  switch (file.status) {
    case MemoFile::Status::kUnreadable: return false;
    case MemoFile::Status::kTooLarge:
      ThePrompt().Error(this, Utf8(msg::kMemoFileTooLarge));
      return false;
    case MemoFile::Status::kRead: break;
  }
  // The file's bytes are stored as they are, not as the text box shows them.
  ChangeValue(MemoForDisplay(file.memo));
  return StoreMemo(file.memo);
}

}  // namespace listora
