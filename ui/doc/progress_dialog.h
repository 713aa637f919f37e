#pragma once
// `CProgressDialog`: the modeless progress dialog of long operations (document
// load, append-open, tree building, duplicate search). While it is up, the
// other windows are disabled, so the only input the event pumping lets
// through is its own cancel button, which sets the process-wide cancel flag.

#include <wx/dialog.h>

#include <chrono>
#include <memory>

class wxButton;
class wxGauge;
class wxStaticText;
class wxWindowDisabler;

namespace listora {

class CProgressDialog : public wxDialog {
 public:
  CProgressDialog(wxWindow* parent, bool& cancelFlag);
  ~CProgressDialog() override;

  // A new range starts with an empty bar.
  void SetRange(int total);
  // Moves the bar to `done` and, at most every 50 ms, lets pending events
  // run so the dialog repaints and its button can be pressed. Returns the
  // cancel flag.
  bool Step(int done);
  // Gives the other windows back their input at once and destroys the
  // dialog.
  void Finish();

 private:
  void OnCancel(wxCommandEvent& event);

  bool& cancelFlag_;
  wxGauge* gauge_;
  wxButton* cancel_;
  wxStaticText* status_;
  std::unique_ptr<wxWindowDisabler> disabler_;
  std::chrono::steady_clock::time_point lastPump_;
};

}  // namespace listora
