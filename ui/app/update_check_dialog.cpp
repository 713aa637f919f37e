#include "ui/app/update_check_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include "core/app/update_check.h"
#include "ui/base/messages.h"
#include "ui/base/prompt.h"
#include "ui/text/text_convert.h"

namespace listora {

UpdateCheckDialog::UpdateCheckDialog(wxWindow* parent, std::string server,
                                     std::chrono::milliseconds timeout)
    : wxDialog(parent, wxID_ANY, Utf8(Tr("アップデートチェック"))),
      server_(std::move(server)),
      timeout_(timeout),
      poll_(this) {
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  status_ = new wxStaticText(this, kStatusText, Utf8(msg::kUpdateIdle), wxDefaultPosition,
                             wxSize(260, 48), wxST_NO_AUTORESIZE);
  sizer->Add(status_, wxSizerFlags().Expand().Border(wxALL, 12));
  check_ = new wxButton(this, kCheckButton, Utf8(Tr("今すぐチェック(&N)")));
  sizer->Add(check_, wxSizerFlags().Centre().Border(wxLEFT | wxRIGHT | wxBOTTOM, 12));
  SetSizerAndFit(sizer);
  // Escape closes the dialog, which has no cancel button to press.
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE)
      Close();
    else
      event.Skip();
  });
  check_->Bind(wxEVT_BUTTON, &UpdateCheckDialog::OnCheck, this);
  Bind(wxEVT_TIMER, &UpdateCheckDialog::OnPoll, this);
  CentreOnParent();
}

UpdateCheckDialog::~UpdateCheckDialog() {
  // Closed while checking: stop the transfer and wait for its thread,
  // which the cancel request ends within moments.
  poll_.Stop();
  cancel_ = true;
  if (pending_.valid()) pending_.wait();
}

void UpdateCheckDialog::OnCheck(wxCommandEvent&) {
  if (pending_.valid()) return;
  if (server_.empty()) {
    // No server configured: there is nothing to ask.
    Finish(TransferResult{true, {}});
    return;
  }
  status_->SetLabel(Utf8(msg::kUpdateChecking));
  check_->Disable();
  cancel_ = false;
  pending_ = std::async(std::launch::async, [url = UpdateCheckUrl(server_), this] {
    return FetchReplyStart(url, timeout_, cancel_);
  });
  poll_.Start(50);
}

void UpdateCheckDialog::OnPoll(wxTimerEvent&) {
  if (!pending_.valid() ||
      pending_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
    return;
  }
  poll_.Stop();
  const TransferResult result = pending_.get();
  Finish(result);
}

void UpdateCheckDialog::Finish(const TransferResult& result) {
  if (!result.connected) {
    ThePrompt().Error(this, Utf8(msg::kConnectionError));
  } else {
    const UpdateReply reply = ReadUpdateReply(result.body);
    switch (reply.verdict) {
      case UpdateVerdict::kNoVersionInfo: ThePrompt().Error(this, Utf8(msg::kNoVersionInfo)); break;
      case UpdateVerdict::kUpToDate:
        ThePrompt().Info(this, Utf8(msg::kNoNewerVersion), Utf8(msg::kVersionCheckCaption));
        break;
      case UpdateVerdict::kNewer:
        if (ThePrompt().Question(this, Utf8(NewerVersionQuestion(reply.displayText)),
                                 Utf8(msg::kVersionCheckCaption))) {
          wxLaunchDefaultBrowser(wxString::FromUTF8(WebPageUrl(server_)));
        }
        break;
    }
  }
  status_->SetLabel(Utf8(msg::kUpdateIdle));
  check_->Enable();
}

}  // namespace listora
