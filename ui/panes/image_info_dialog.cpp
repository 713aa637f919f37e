#include "ui/panes/image_info_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "core/base/translation.h"
#include "ui/text/text_convert.h"

namespace listora {

ImageInfoDialog::ImageInfoDialog(wxWindow* parent, const wxString& text)
    : wxDialog(parent, wxID_ANY, Utf8(Tr("画像情報"))) {
  // 155 x 90 dialog units, the text 141 x 60 of them.
  text_ = new wxStaticText(this, wxID_ANY, wxString(), wxDefaultPosition,
                           wxDLG_UNIT(this, wxSize(141, 60)));
  text_->SetLabelText(text);  // an "&" in a file name is shown, not a mnemonic
  auto* ok = new wxButton(this, wxID_OK, "&OK");
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(text_, 1, wxEXPAND | wxALL, wxDLG_UNIT(this, wxSize(7, 0)).x);
  sizer->Add(ok, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, wxDLG_UNIT(this, wxSize(7, 0)).x);
  SetSizer(sizer);
  SetMinClientSize(wxDLG_UNIT(this, wxSize(155, 90)));
  Fit();
  Bind(wxEVT_CHAR_HOOK, &ImageInfoDialog::OnCharHook, this);
}

wxString ImageInfoDialog::Text() const { return text_->GetLabelText(); }

void ImageInfoDialog::OnCharHook(wxKeyEvent& event) {
  // Enter does not close this dialog; only the button and Esc do.
  if (event.GetKeyCode() == WXK_RETURN || event.GetKeyCode() == WXK_NUMPAD_ENTER) return;
  event.Skip();
}

}  // namespace listora
