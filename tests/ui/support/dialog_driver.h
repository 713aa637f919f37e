#pragma once
// Drives modal dialogs from a test: each dialog that the program opens
// with ShowModal is handed, once its modal loop runs, to the next queued
// step. A step that leaves its dialog open has it cancelled, so a failed
// expectation cannot hang the test.

#include <wx/dialog.h>

#include <functional>

class wxWindow;

namespace listora::test {

using DialogStep = std::function<void(wxDialog&)>;

// Queues `step` for the next modal dialog.
void OnNextDialog(DialogStep step);
// Steps queued and not yet run (0 when every expected dialog came).
int PendingDialogSteps();
// Drops the steps not run.
void ForgetDialogSteps();

// The control `id` of `dialog` as a T; null when there is none.
template <typename T>
T* Control(wxWindow& dialog, int id) {
  return dynamic_cast<T*>(dialog.FindWindow(id));
}

// User actions on a dialog's controls, with the events they send.
void Click(wxWindow& dialog, int id);
void Type(wxWindow& dialog, int id, const wxString& text);
void Choose(wxWindow& dialog, int id, int index);  // a drop-down list
void Pick(wxWindow& dialog, int id);               // a radio button
void Tick(wxWindow& dialog, int id, bool ticked);  // a check box

// Presses the progress dialog's cancel button when the next long run
// reports step `step`; `pressed` is set then.
void CancelNextRunAtStep(int step, bool& pressed);

}  // namespace listora::test
