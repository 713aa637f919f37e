#pragma once
// `PasswordSetDialog`: sets the password a document is saved with. OK closes it
// only when both fields agree; both empty means "no password".

#include <wx/dialog.h>

class wxTextCtrl;

namespace listora {

class PasswordSetDialog : public wxDialog {
 public:
  explicit PasswordSetDialog(wxWindow* parent);
  wxString Password() const;

 private:
  void OnOk(wxCommandEvent& event);

  wxTextCtrl* password_;
  wxTextCtrl* confirm_;
};

}  // namespace listora
