#pragma once
// The prompt the program runs with: wx message boxes, file dialogs and the
// two password dialogs.

#include "ui/base/prompt.h"

namespace listora {

class WxPrompt final : public Prompt {
 public:
  void Error(wxWindow* owner, const wxString& text) override;
  void Info(wxWindow* owner, const wxString& text, const wxString& caption) override;
  void FileFormatError(wxWindow* owner, const wxString& text) override;
  bool YesNo(wxWindow* owner, const wxString& text) override;
  bool Question(wxWindow* owner, const wxString& text, const wxString& caption) override;
  SaveAnswer SaveChanges(wxWindow* owner, const wxString& name) override;
  wxString AskPassword(wxWindow* owner) override;
  wxString SetPassword(wxWindow* owner) override;
  wxString OpenFile(wxWindow* owner, const wxString& title, const wxString& wildcard,
                    const wxString& folder) override;
  wxString OpenImage(wxWindow* owner, const wxString& title, const wxString& wildcard) override;
  wxString ChooseFolder(wxWindow* owner, const wxString& title, const wxString& initial) override;
  wxArrayString OpenFiles(wxWindow* owner, const wxString& title, const wxString& wildcard,
                          const wxString& folder) override;
  wxString SaveFile(wxWindow* owner, const wxString& title, const wxString& defaultName,
                    const wxString& wildcard, int* fileType) override;
};

}  // namespace listora
