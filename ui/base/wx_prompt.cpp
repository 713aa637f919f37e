#include "ui/base/wx_prompt.h"

#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

#include "core/base/messages.h"
#include "ui/base/image_preview.h"
#include "ui/base/messages.h"
#include "ui/base/password_check_dialog.h"
#include "ui/base/password_set_dialog.h"
#include "ui/base/program_language.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

int ShowMessage(wxWindow* owner, const wxString& text, const wxString& caption, long style) {
  wxMessageDialog box(owner, text, caption, style);
  SetButtonLabels(box);
  return box.ShowModal();
}

}  // namespace

void WxPrompt::Error(wxWindow* owner, const wxString& text) {
  ShowMessage(owner, text, Utf8(msg::kErrorCaption), wxOK | wxICON_ERROR);
}

void WxPrompt::Info(wxWindow* owner, const wxString& text, const wxString& caption) {
  ShowMessage(owner, text, caption, wxOK | wxICON_INFORMATION);
}

void WxPrompt::FileFormatError(wxWindow* owner, const wxString& text) {
  ShowMessage(owner, text, Utf8(msg::kAppTitle), wxOK | wxICON_ERROR);
}

bool WxPrompt::YesNo(wxWindow* owner, const wxString& text) {
  return ShowMessage(owner, text, Utf8(msg::kConfirmCaption), wxYES_NO | wxICON_QUESTION) ==
         wxID_YES;
}

bool WxPrompt::Question(wxWindow* owner, const wxString& text, const wxString& caption) {
  return ShowMessage(owner, text, caption, wxYES_NO | wxICON_QUESTION) == wxID_YES;
}

SaveAnswer WxPrompt::SaveChanges(wxWindow* owner, const wxString& name) {
  const wxString text = wxString::Format(Utf8(msg::kSaveChangesFormat), name);
  switch (
      ShowMessage(owner, text, Utf8(msg::kAppTitle), wxYES_NO | wxCANCEL | wxICON_EXCLAMATION)) {
    case wxID_YES: return SaveAnswer::kYes;
    case wxID_NO: return SaveAnswer::kNo;
    default: return SaveAnswer::kCancel;
  }
}

wxString WxPrompt::AskPassword(wxWindow* owner) {
  PasswordCheckDialog dialog(owner);
  return dialog.ShowModal() == wxID_OK ? dialog.Password() : wxString();
}

wxString WxPrompt::SetPassword(wxWindow* owner) {
  PasswordSetDialog dialog(owner);
  return dialog.ShowModal() == wxID_OK ? dialog.Password() : wxString();
}

wxString WxPrompt::OpenFile(wxWindow* owner, const wxString& title, const wxString& wildcard,
                            const wxString& folder) {
  wxFileDialog dialog(owner, title, folder, wxString(), wildcard, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  return dialog.ShowModal() == wxID_OK ? dialog.GetPath() : wxString();
}

wxString WxPrompt::OpenImage(wxWindow* owner, const wxString& title, const wxString& wildcard) {
  wxFileDialog dialog(owner, title, wxString(), wxString(), wildcard,
                      wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  dialog.SetExtraControlCreator(&CreateImagePreview);
  return dialog.ShowModal() == wxID_OK ? dialog.GetPath() : wxString();
}

wxString WxPrompt::ChooseFolder(wxWindow* owner, const wxString& title, const wxString& initial) {
  wxDirDialog dialog(owner, title, initial, wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
  return dialog.ShowModal() == wxID_OK ? dialog.GetPath() : wxString();
}

wxArrayString WxPrompt::OpenFiles(wxWindow* owner, const wxString& title, const wxString& wildcard,
                                  const wxString& folder) {
  wxFileDialog dialog(owner, title, folder, wxString(), wildcard,
                      wxFD_OPEN | wxFD_FILE_MUST_EXIST | wxFD_MULTIPLE);
  wxArrayString paths;
  if (dialog.ShowModal() == wxID_OK) dialog.GetPaths(paths);
  return paths;
}

wxString WxPrompt::SaveFile(wxWindow* owner, const wxString& title, const wxString& defaultName,
                            const wxString& wildcard, int* fileType) {
  const wxFileName proposed(defaultName);
  wxFileDialog dialog(owner, title, proposed.GetPath(), proposed.GetFullName(), wildcard,
                      wxFD_SAVE);
  if (dialog.ShowModal() != wxID_OK) return wxString();
  if (fileType) *fileType = dialog.GetFilterIndex();
  return dialog.GetPath();
}

}  // namespace listora
