#pragma once
// Every modal question, message box and file chooser of the program goes
// through this interface, so tests can answer them from a script. The
// program installs the wx implementation at start-up; a test installs its
// own before it drives the windows.

#include <wx/arrstr.h>
#include <wx/string.h>

#include <memory>

class wxWindow;

namespace listora {

enum class SaveAnswer { kYes, kNo, kCancel };

class Prompt {
 public:
  virtual ~Prompt() = default;

  // Error: caption "エラー", stop icon, OK.
  virtual void Error(wxWindow* owner, const wxString& text) = 0;
  // A completed action: information icon, OK.
  virtual void Info(wxWindow* owner, const wxString& text, const wxString& caption) = 0;
  // A document file that cannot be read: caption "Listora", stop icon.
  virtual void FileFormatError(wxWindow* owner, const wxString& text) = 0;
  // Caption "確認", question icon, Yes and No; true for Yes.
  virtual bool YesNo(wxWindow* owner, const wxString& text) = 0;
  // A Yes/No question under `caption`, question icon; true for Yes.
  virtual bool Question(wxWindow* owner, const wxString& text, const wxString& caption) = 0;
  // Whether to save the modified document `name` before it is closed.
  virtual SaveAnswer SaveChanges(wxWindow* owner, const wxString& name) = 0;

  // The password entry dialog: what was typed (empty when nothing was).
  virtual wxString AskPassword(wxWindow* owner) = 0;
  // The password setting dialog: the confirmed password; empty when both
  // fields were left empty or the dialog was closed with Esc.
  virtual wxString SetPassword(wxWindow* owner) = 0;

  // File choosers; `wildcard` as wxFileDialog takes it. Empty when cancelled.
  // An open chooser starts in `folder`; a save chooser's `defaultName` may
  // carry a folder, where it starts; it asks nothing about an existing file
  // (ChooseSavePath does, once the extension is complete).
  virtual wxString OpenFile(wxWindow* owner, const wxString& title, const wxString& wildcard,
                            const wxString& folder) = 0;
  // A picture chooser: as OpenFile, with a thumbnail of the highlighted file.
  virtual wxString OpenImage(wxWindow* owner, const wxString& title, const wxString& wildcard) = 0;
  // The platform's folder chooser, opened at `initial`; empty when cancelled.
  virtual wxString ChooseFolder(wxWindow* owner, const wxString& title,
                                const wxString& initial) = 0;
  virtual wxArrayString OpenFiles(wxWindow* owner, const wxString& title, const wxString& wildcard,
                                  const wxString& folder) = 0;
  // `fileType` (when given) receives the file type of `wildcard` chosen,
  // counted from 0; the first is shown first.
  virtual wxString SaveFile(wxWindow* owner, const wxString& title, const wxString& defaultName,
                            const wxString& wildcard, int* fileType) = 0;
};

// The installed prompt. Installing returns the one it replaces.
Prompt& ThePrompt();
std::unique_ptr<Prompt> InstallPrompt(std::unique_ptr<Prompt> prompt);

}  // namespace listora
