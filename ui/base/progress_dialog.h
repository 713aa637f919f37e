#pragma once
// The progress of long operations (document load, append-open, tree
// grouping): `ProgressRun` is the one helper they use; `ProgressDialog`
// is its window. While the dialog is up the other windows are disabled, so
// the only input the event pumping lets through is its cancel button.

#include <wx/dialog.h>
#include <wx/weakref.h>

#include <chrono>
#include <functional>
#include <memory>

#include "ui/base/held_input.h"

class wxButton;
class wxGauge;
class wxStaticText;
class wxWindowDisabler;

namespace listora {

class ProgressDialog : public wxDialog {
 public:
  enum : int { kCancelButton = 1003 };
  // `onCancel` runs when the cancel button is pressed.
  ProgressDialog(wxWindow* parent, std::function<void()> onCancel);
  ~ProgressDialog() override;

  // A new range starts with an empty bar.
  void SetRange(int total);
  // Moves the bar to `done` and, at most every 50 ms, lets pending events
  // run so the dialog repaints and its button can be pressed.
  void Step(int done);
  // Gives the other windows back their input and the keyboard focus where
  // it was at once, and destroys the dialog.
  void Finish();

 private:
  void OnCancel(wxCommandEvent& event);

  std::function<void()> onCancel_;
  wxGauge* gauge_;
  wxButton* cancel_;
  wxStaticText* status_;
  // Disabling the other windows takes the focus from them.
  wxWeakRef<wxWindow> focus_;
  std::unique_ptr<wxWindowDisabler> disabler_;
  // Until Finish: the main window takes no drops either.
  std::unique_ptr<HeldInput> held_ = std::make_unique<HeldInput>();
  std::chrono::steady_clock::time_point lastPump_;
};

// One long operation's progress: the dialog appears at the first Begin and
// goes when the run ends (or at Close); the run remembers a cancel.
class ProgressRun {
 public:
  explicit ProgressRun(wxWindow* owner);
  ~ProgressRun();
  ProgressRun(const ProgressRun&) = delete;
  ProgressRun& operator=(const ProgressRun&) = delete;

  // Shows the dialog unless the run closed it, and restarts its bar at 0
  // of `total`.
  void Begin(long long total);
  // Moves the bar; true once the run was cancelled.
  bool Step(long long done);
  // Closes the dialog for the rest of the run and forgets a cancel.
  void Close();

  // The next run starts as if its cancel button had been pressed at once
  // (for tests, which cannot press it in the middle of a run).
  static void CancelNextRun();
  // A cancel asked for by CancelNextRun that no run has taken yet.
  static bool CancelPending();
  // The next run calls `watch` after each of its steps with its dialog
  // (null while it shows none) and the step's number from 1, so a test can
  // press the cancel button in the middle of the run.
  using StepWatch = std::function<void(ProgressDialog* dialog, int step)>;
  static void WatchNextRun(StepWatch watch);

 private:
  wxWindow* owner_;
  ProgressDialog* dialog_ = nullptr;
  bool cancelled_;
  bool closed_ = false;
  StepWatch watch_;
  int steps_ = 0;
};

}  // namespace listora
