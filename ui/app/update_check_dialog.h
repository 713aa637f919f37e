#pragma once
// The update check dialog: "今すぐチェック" asks the configured server for
// the latest version on a thread of its own, while the dialog shows that it
// is checking and stays responsive; the verdict is told when the reply (or
// the timeout) arrives.

#include <wx/dialog.h>
#include <wx/timer.h>

#include <atomic>
#include <chrono>
#include <future>
#include <string>

#include "ui/app/update_transfer.h"

class wxButton;
class wxStaticText;

namespace listora {

class UpdateCheckDialog : public wxDialog {
 public:
  enum : int { kCheckButton = 1103, kStatusText = 1104 };

  // `server`: scheme and host of the update server; empty when none is
  // configured.
  UpdateCheckDialog(wxWindow* parent, std::string server,
                    std::chrono::milliseconds timeout = std::chrono::seconds(5));
  ~UpdateCheckDialog() override;

  bool Checking() const { return pending_.valid(); }

 private:
  void OnCheck(wxCommandEvent& event);
  void OnPoll(wxTimerEvent& event);
  void Finish(const TransferResult& result);

  std::string server_;
  std::chrono::milliseconds timeout_;
  wxStaticText* status_ = nullptr;
  wxButton* check_ = nullptr;
  wxTimer poll_;
  std::atomic<bool> cancel_{false};
  std::future<TransferResult> pending_;
};

}  // namespace listora
