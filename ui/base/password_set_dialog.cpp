#include "ui/base/password_set_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "ui/base/dialog_keys.h"
#include "ui/base/messages.h"
#include "ui/base/prompt.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {
constexpr int kPasswordEdit = 1134;
constexpr int kConfirmEdit = 1135;
constexpr int kNote = 1136;
}  // namespace

PasswordSetDialog::PasswordSetDialog(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, Utf8(Tr("パスワードの設定"))) {
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("※1～260文字(全角なら130文字)"))),
             wxSizerFlags().Border());
  auto* grid = new wxFlexGridSizer(2, wxSize(8, 4));
  grid->AddGrowableCol(1);
  password_ = new wxTextCtrl(this, kPasswordEdit, wxString(), wxDefaultPosition, wxSize(220, -1),
                             wxTE_PASSWORD);
  password_->SetToolTip(Utf8(Tr("設定したいパスワードを入力して下さい")));
  confirm_ = new wxTextCtrl(this, kConfirmEdit, wxString(), wxDefaultPosition, wxSize(220, -1),
                            wxTE_PASSWORD);
  confirm_->SetToolTip(Utf8(Tr("確認用にもう一度入力して下さい")));
  grid->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("パスワード"))),
            wxSizerFlags().CentreVertical());
  grid->Add(password_, wxSizerFlags().Expand());
  grid->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("確認"))), wxSizerFlags().CentreVertical());
  grid->Add(confirm_, wxSizerFlags().Expand());
  sizer->Add(grid, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT));
  auto* note = new wxStaticText(
      this, kNote,
      Utf8(Tr("パスワードを設定しない場合は\n　　　　入力欄を2つとも空白にして下さい。")));
  note->SetForegroundColour(*wxRED);
  sizer->Add(note, wxSizerFlags().Border());
  auto* ok = new wxButton(this, wxID_OK, "&OK");
  ok->SetToolTip(Utf8(Tr("パスワードを設定して保存します")));
  sizer->Add(ok, wxSizerFlags().Right().Border());
  SetSizerAndFit(sizer);
  UseEnterAndEscape(*this, *ok);
  Bind(wxEVT_BUTTON, &PasswordSetDialog::OnOk, this, wxID_OK);
  password_->SetFocus();
  CentreOnParent();
}

wxString PasswordSetDialog::Password() const { return password_->GetValue(); }

void PasswordSetDialog::OnOk(wxCommandEvent& event) {
  // CP932 bytes are compared, as the stored password will be.
  if (PasswordFromWx(password_->GetValue()) != PasswordFromWx(confirm_->GetValue())) {
    ThePrompt().Error(this, Utf8(msg::kPasswordsDiffer));
    return;
  }
  event.Skip();
}

}  // namespace listora
