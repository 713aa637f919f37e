#pragma once
// `ImageInfoDialog`: "画像情報", the shown picture's file name, sizes and times.

#include <wx/dialog.h>

class wxStaticText;

namespace listora {

class ImageInfoDialog : public wxDialog {
 public:
  ImageInfoDialog(wxWindow* parent, const wxString& text);

  wxString Text() const;

 private:
  void OnCharHook(wxKeyEvent& event);

  wxStaticText* text_ = nullptr;
};

}  // namespace listora
