#include "ui/base/password_check_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/base/translation.h"
#include "ui/base/dialog_keys.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {
constexpr int kPasswordEdit = 1133;
}

PasswordCheckDialog::PasswordCheckDialog(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, Utf8(Tr("パスワード確認"))) {
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("パスワードを入力して下さい"))),
             wxSizerFlags().Border());
  edit_ = new wxTextCtrl(this, kPasswordEdit, wxString(), wxDefaultPosition, wxSize(220, -1),
                         wxTE_PASSWORD);
  sizer->Add(edit_, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT));
  auto* ok = new wxButton(this, wxID_OK, "&OK");
  sizer->Add(ok, wxSizerFlags().Right().Border());
  SetSizerAndFit(sizer);
  UseEnterAndEscape(*this, *ok);
  edit_->SetFocus();
  CentreOnParent();
}

wxString PasswordCheckDialog::Password() const { return edit_->GetValue(); }

}  // namespace listora
