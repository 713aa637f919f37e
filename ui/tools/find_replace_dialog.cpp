#include "ui/tools/find_replace_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/base/messages.h"
#include "ui/base/messages.h"
#include "ui/base/prompt.h"
#include "ui/doc/listora_doc.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/text/text_convert.h"
#include "ui/tools/dialog_support.h"

namespace listora {

FindReplaceDialog::FindReplaceDialog(const ToolContext& context)
    : ToolDialog(context, Utf8(Tr("検索と置換"))), session_(context.doc->StartFindReplace()) {
  CreateControls();
  EnableButtons();
  Bind(wxEVT_TEXT, &FindReplaceDialog::OnFindText, this, kFindEdit);
  Bind(wxEVT_BUTTON, &FindReplaceDialog::OnFromTop, this, kFromTopButton);
  Bind(wxEVT_BUTTON, &FindReplaceDialog::OnNext, this, kNextButton);
  Bind(wxEVT_BUTTON, &FindReplaceDialog::OnReplaceNext, this, kReplaceNextButton);
  Bind(wxEVT_BUTTON, &FindReplaceDialog::OnReplaceAll, this, kReplaceAllButton);
  find_->SetFocus();
  CentreOnParent();
}

void FindReplaceDialog::CreateControls() {
  auto* top = new wxBoxSizer(wxHORIZONTAL);
  auto* left = new wxBoxSizer(wxVERTICAL);
  const auto field = [&](std::string_view label, int id, std::string_view tip) {
    left->Add(new wxStaticText(this, wxID_ANY, Utf8(label)), wxSizerFlags().Border(wxTOP, 6));
    auto* edit = new wxTextCtrl(this, id, wxString(), wxDefaultPosition, wxSize(280, -1));
    edit->SetToolTip(Utf8(tip));
    left->Add(edit, wxSizerFlags().Expand().Border(wxTOP, 2));
    return edit;
  };
  find_ = field(Tx("検索する文字列(&S)"), kFindEdit, Tx("検索する文字列を入力してください。"));
  replace_ =
      field(Tx("置換後の文字列(&R)"), kReplaceEdit, Tx("置換後の文字列を入力してください。"));

  auto* options = new wxBoxSizer(wxHORIZONTAL);
  matchCase_ = new wxCheckBox(this, kCaseCheck, Utf8(Tr("大文字と小文字を区別する(&B)")));
  matchCase_->SetValue(true);
  matchCase_->SetToolTip(Utf8(Tr("大文字と小文字を区別する場合にチェックしてください。")));
  options->Add(matchCase_, wxSizerFlags().Bottom().Border(wxRIGHT, 12));
  auto* direction = new wxStaticBoxSizer(wxHORIZONTAL, this, Utf8(Tr("検索する方向")));
  up_ = new wxRadioButton(direction->GetStaticBox(), kUpRadio, Utf8(Tr("上へ(&U)")),
                          wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  up_->SetToolTip(Utf8(Tr("現在の位置から上を検索する場合に選んでください。")));
  down_ = new wxRadioButton(direction->GetStaticBox(), kDownRadio, Utf8(Tr("下へ(&D)")));
  down_->SetToolTip(Utf8(Tr("現在の位置から下を検索する場合に選んでください。")));
  down_->SetValue(true);
  direction->Add(up_, wxSizerFlags().Border(wxRIGHT));
  direction->Add(down_);
  options->Add(direction);
  left->Add(options, wxSizerFlags().Border(wxTOP, 10));
  top->Add(left, wxSizerFlags(1).Expand().Border());

  auto* right = new wxBoxSizer(wxVERTICAL);
  const struct {
    int id;
    Text label;
    Text tip;
  } buttons[] = {
      {kFromTopButton, Tx("先頭から検索(&T)"), Tx("先頭から検索します。")},
      {kNextButton, Tx("次を検索(&N)"), Tx("現在の位置から次を検索します。")},
      {kReplaceNextButton, Tx("置換して次に(&F)"),
       Tx("現在の検索された文字列を置換し次を検索します。")},
      {kReplaceAllButton, Tx("すべて置換(&A)"),
       Tx("すべての検索文字列を置換後の文字列に置換します。")},
  };
  for (std::size_t i = 0; i < std::size(buttons); ++i) {
    buttons_[i] = new wxButton(this, buttons[i].id, Utf8(buttons[i].label));
    buttons_[i]->SetToolTip(Utf8(buttons[i].tip));
    right->Add(buttons_[i], wxSizerFlags().Expand().Border(wxBOTTOM, 4));
  }
  auto* cancel = new wxButton(this, wxID_CANCEL, Utf8(Tr("キャンセル(&C)")));
  cancel->SetToolTip(Utf8(Tr("検索と置換を終了します。")));
  cancel->SetDefault();  // Enter closes the dialog
  right->Add(cancel, wxSizerFlags().Expand());
  top->Add(right, wxSizerFlags().Border());
  SetSizerAndFit(top);
}

FindReplaceOptions FindReplaceDialog::ReadOptions() const {
  return {TextFromWx(find_->GetValue()), TextFromWx(replace_->GetValue()), matchCase_->GetValue(),
          up_->GetValue() ? SearchDirection::kUp : SearchDirection::kDown};
}

void FindReplaceDialog::EnableButtons() {
  const bool any = !find_->GetValue().empty();
  for (wxButton* button : buttons_) button->Enable(any);
}

void FindReplaceDialog::ClearListSelection() {
  context_.list->ClearSelection();
  context_.list->SetFocusedRow(-1);
}

void FindReplaceDialog::ShowStep(const FindStepResult& result) {
  ItemListCtrl& list = *context_.list;
  if (result.match.IsNone()) {
    // The last match stays highlighted; the next step starts afresh.
    ThePrompt().Info(this, Utf8(msg::kFindFinished), Utf8(msg::kSearchResultCaption));
    return;
  }
  list.SetHighlightedCell(result.match.row, result.match.column);
  list.EnsureVisible(result.match.row);
}

void FindReplaceDialog::OnFindText(wxCommandEvent&) { EnableButtons(); }

void FindReplaceDialog::OnFromTop(wxCommandEvent&) {
  ClearListSelection();
  ShowStep(session_.FindFromTop(ReadOptions()));
}

void FindReplaceDialog::OnNext(wxCommandEvent&) {
  ClearListSelection();
  ShowStep(session_.FindNext(ReadOptions()));
}

void FindReplaceDialog::OnReplaceNext(wxCommandEvent&) {
  ClearListSelection();
  ShowStep(context_.doc->ReplaceAndFindNext(session_, ReadOptions()));
}

void FindReplaceDialog::OnReplaceAll(wxCommandEvent&) {
  FindReplaceOptions options = ReadOptions();
  ClearListSelection();
  const ReplaceAllResult result = context_.doc->ReplaceAll(session_, options);
  down_->SetValue(true);
  context_.list->SetHighlightedCell(result.last.row, result.last.column);
  ThePrompt().Info(this, Utf8(msg::kReplaceFinished), Utf8(msg::kSearchResultCaption));
}

void RunFindReplace(const ToolContext& context) {
  FindReplaceDialog dialog(context);
  dialog.ShowModal();
}

}  // namespace listora
