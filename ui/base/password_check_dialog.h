#pragma once
// `PasswordCheckDialog`: asks for the password of a protected document. It has no
// cancel button and no check; Esc closes it as if nothing was typed.

#include <wx/dialog.h>

class wxTextCtrl;

namespace listora {

class PasswordCheckDialog : public wxDialog {
 public:
  explicit PasswordCheckDialog(wxWindow* parent);
  wxString Password() const;

 private:
  wxTextCtrl* edit_;
};

}  // namespace listora
