#pragma once
// A prompt that answers from queues and records every question, for tests.
// An empty queue gives the answer of a user who closes the window: No,
// Cancel, nothing typed, nothing chosen.

#include <deque>
#include <string>
#include <vector>

#include "ui/base/prompt.h"

namespace listora::test {

struct Asked {
  std::string kind;           // "error", "info", "format", "yesno", "save-changes",
                              // "password", "set-password", "open", "open-image", "folder",
                              // "open-many", "save", "question"
  wxString text;              // the message, or the chooser's title
  wxString defaultName = {};  // the name a save chooser proposes
  wxString folder = {};       // the folder an open chooser starts in
  wxString wildcard = {};     // the file types a save chooser offers
};

class ScriptedPrompt final : public Prompt {
 public:
  std::deque<bool> yesNo;
  std::deque<SaveAnswer> saveChanges;
  std::deque<wxString> passwords;
  std::deque<wxString> newPasswords;
  std::deque<wxString> openFiles;  // also the picture chooser's answers
  std::deque<wxString> folders;
  std::deque<wxArrayString> openFileLists;
  std::deque<wxString> saveFiles;
  std::deque<int> saveFileTypes;  // the file type chosen with each save answer
  std::vector<Asked> asked;

  void Reset();
  // The kinds asked so far, in order.
  std::vector<std::string> Kinds() const;

  void Error(wxWindow* owner, const wxString& text) override;
  void Info(wxWindow* owner, const wxString& text, const wxString& caption) override;
  void FileFormatError(wxWindow* owner, const wxString& text) override;
  bool YesNo(wxWindow* owner, const wxString& text) override;
  // Recorded as "question"; answered from `yesNo`.
  bool Question(wxWindow* owner, const wxString& text, const wxString& caption) override;
  SaveAnswer SaveChanges(wxWindow* owner, const wxString& name) override;
  wxString AskPassword(wxWindow* owner) override;
  wxString SetPassword(wxWindow* owner) override;
  wxString OpenFile(wxWindow* owner, const wxString& title, const wxString& wildcard,
                    const wxString& folder) override;
  wxString ChooseFolder(wxWindow* owner, const wxString& title, const wxString& initial) override;
  wxString OpenImage(wxWindow* owner, const wxString& title, const wxString& wildcard) override;
  wxArrayString OpenFiles(wxWindow* owner, const wxString& title, const wxString& wildcard,
                          const wxString& folder) override;
  wxString SaveFile(wxWindow* owner, const wxString& title, const wxString& defaultName,
                    const wxString& wildcard, int* fileType) override;
};

}  // namespace listora::test
