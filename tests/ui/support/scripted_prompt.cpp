#include "ui/support/scripted_prompt.h"

namespace listora::test {

namespace {
template <typename T>
T Take(std::deque<T>& queue, T otherwise) {
  if (queue.empty()) return otherwise;
  T answer = queue.front();
  queue.pop_front();
  return answer;
}
}  // namespace

void ScriptedPrompt::Reset() { *this = ScriptedPrompt(); }

std::vector<std::string> ScriptedPrompt::Kinds() const {
  std::vector<std::string> kinds;
  for (const Asked& question : asked) kinds.push_back(question.kind);
  return kinds;
}

void ScriptedPrompt::Error(wxWindow*, const wxString& text) { asked.push_back({"error", text}); }

void ScriptedPrompt::Info(wxWindow*, const wxString& text, const wxString&) {
  asked.push_back({"info", text});
}

void ScriptedPrompt::FileFormatError(wxWindow*, const wxString& text) {
  asked.push_back({"format", text});
}

bool ScriptedPrompt::YesNo(wxWindow*, const wxString& text) {
  asked.push_back({"yesno", text});
  return Take(yesNo, false);
}

bool ScriptedPrompt::Question(wxWindow*, const wxString& text, const wxString&) {
  asked.push_back({"question", text});
  return Take(yesNo, false);
}

SaveAnswer ScriptedPrompt::SaveChanges(wxWindow*, const wxString& name) {
  asked.push_back({"save-changes", name});
  return Take(saveChanges, SaveAnswer::kCancel);
}

wxString ScriptedPrompt::AskPassword(wxWindow*) {
  asked.push_back({"password", wxString()});
  return Take(passwords, wxString());
}

wxString ScriptedPrompt::SetPassword(wxWindow*) {
  asked.push_back({"set-password", wxString()});
  return Take(newPasswords, wxString());
}

wxString ScriptedPrompt::OpenFile(wxWindow*, const wxString& title, const wxString&,
                                  const wxString& folder) {
  asked.push_back({"open", title, {}, folder});
  return Take(openFiles, wxString());
}

wxString ScriptedPrompt::OpenImage(wxWindow*, const wxString& title, const wxString&) {
  asked.push_back({"open-image", title});
  return Take(openFiles, wxString());
}

wxString ScriptedPrompt::ChooseFolder(wxWindow*, const wxString& title, const wxString&) {
  asked.push_back({"folder", title});
  return Take(folders, wxString());
}

wxArrayString ScriptedPrompt::OpenFiles(wxWindow*, const wxString& title, const wxString&,
                                        const wxString& folder) {
  asked.push_back({"open-many", title, {}, folder});
  return Take(openFileLists, wxArrayString());
}

wxString ScriptedPrompt::SaveFile(wxWindow*, const wxString& title, const wxString& defaultName,
                                  const wxString& wildcard, int* fileType) {
  asked.push_back({"save", title, defaultName, {}, wildcard});
  const int type = Take(saveFileTypes, 0);
  if (fileType) *fileType = type;
  return Take(saveFiles, wxString());
}

}  // namespace listora::test
