#include "ui/support/dialog_driver.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/modalhook.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <deque>

#include "ui/base/progress_dialog.h"

namespace listora::test {

namespace {

class DialogScript : public wxModalDialogHook {
 public:
  DialogScript() { Register(); }
  std::deque<DialogStep> steps;

 protected:
  int Enter(wxDialog* dialog) override {
    if (steps.empty()) return wxID_NONE;
    DialogStep step = std::move(steps.front());
    steps.pop_front();
    dialog->CallAfter([dialog, step] {
      step(*dialog);
      if (dialog->IsModal()) dialog->EndModal(wxID_CANCEL);
    });
    return wxID_NONE;
  }
  void Exit(wxDialog*) override {}
};

DialogScript& Script() {
  static DialogScript* script = new DialogScript;
  return *script;
}

void Send(wxWindow& window, wxEventType type, int id) {
  wxCommandEvent event(type, id);
  event.SetEventObject(&window);
  window.ProcessWindowEvent(event);
}

wxWindow& Find(wxWindow& dialog, int id) {
  wxWindow* window = dialog.FindWindow(id);
  if (!window) {
    ADD_FAILURE() << "no control " << id;
    return dialog;
  }
  return *window;
}

}  // namespace

void OnNextDialog(DialogStep step) { Script().steps.push_back(std::move(step)); }
int PendingDialogSteps() { return static_cast<int>(Script().steps.size()); }
void ForgetDialogSteps() { Script().steps.clear(); }

void Click(wxWindow& dialog, int id) { Send(Find(dialog, id), wxEVT_BUTTON, id); }

void Type(wxWindow& dialog, int id, const wxString& text) {
  if (auto* edit = dynamic_cast<wxTextCtrl*>(&Find(dialog, id))) edit->SetValue(text);
}

void Choose(wxWindow& dialog, int id, int index) {
  wxWindow& window = Find(dialog, id);
  if (auto* choice = dynamic_cast<wxChoice*>(&window)) {
    choice->SetSelection(index);
    wxCommandEvent event(wxEVT_CHOICE, id);
    event.SetEventObject(choice);
    event.SetInt(index);
    choice->ProcessWindowEvent(event);
  }
}

void Pick(wxWindow& dialog, int id) {
  wxWindow& window = Find(dialog, id);
  if (auto* radio = dynamic_cast<wxRadioButton*>(&window)) {
    radio->SetValue(true);
    wxCommandEvent event(wxEVT_RADIOBUTTON, id);
    event.SetEventObject(radio);
    event.SetInt(1);
    radio->ProcessWindowEvent(event);
  }
}

void Tick(wxWindow& dialog, int id, bool ticked) {
  wxWindow& window = Find(dialog, id);
  if (auto* box = dynamic_cast<wxCheckBox*>(&window)) {
    box->SetValue(ticked);
    wxCommandEvent event(wxEVT_CHECKBOX, id);
    event.SetEventObject(box);
    event.SetInt(ticked ? 1 : 0);
    box->ProcessWindowEvent(event);
  }
}

void CancelNextRunAtStep(int step, bool& pressed) {
  ProgressRun::WatchNextRun([step, &pressed](ProgressDialog* dialog, int reached) {
    if (reached != step) return;
    ASSERT_NE(dialog, nullptr);
    Click(*dialog, ProgressDialog::kCancelButton);
    pressed = true;
  });
}

}  // namespace listora::test
