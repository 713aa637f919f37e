#include "ui/base/progress_dialog.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include <algorithm>
#include <cstdint>

#include "ui/base/messages.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {
constexpr int kGauge = 1002;
constexpr int kStatusText = 1102;
constexpr auto kPumpInterval = std::chrono::milliseconds(50);
}  // namespace

ProgressDialog::ProgressDialog(wxWindow* parent, std::function<void()> onCancel)
    : wxDialog(parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, wxBORDER_RAISED),
      onCancel_(std::move(onCancel)),
      focus_(wxWindow::FindFocus()) {
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  status_ = new wxStaticText(this, kStatusText, Utf8(msg::kWorking), wxDefaultPosition,
                             wxDefaultSize, wxALIGN_CENTRE_HORIZONTAL);
  sizer->Add(status_, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP));
  sizer->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("しばらくお待ちください。")),
                              wxDefaultPosition, wxDefaultSize, wxALIGN_CENTRE_HORIZONTAL),
             wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT));
  gauge_ = new wxGauge(this, kGauge, 1, wxDefaultPosition, wxSize(260, -1));
  gauge_->SetToolTip(Utf8(Tr("現在の進行状況です")));
  sizer->Add(gauge_, wxSizerFlags().Expand().Border());
  cancel_ = new wxButton(this, kCancelButton, Utf8(Tr("中　止(&A)")));
  cancel_->SetToolTip(Utf8(Tr("現在の作業を途中で中止します")));
  sizer->Add(cancel_, wxSizerFlags().Centre().Border(wxLEFT | wxRIGHT | wxBOTTOM));
  SetSizerAndFit(sizer);
  CentreOnParent();
  cancel_->Bind(wxEVT_BUTTON, &ProgressDialog::OnCancel, this);
  Show();
  disabler_ = std::make_unique<wxWindowDisabler>(this);
  Update();
  lastPump_ = std::chrono::steady_clock::now();
}

ProgressDialog::~ProgressDialog() = default;

void ProgressDialog::SetRange(int total) {
  gauge_->SetRange(total > 0 ? total : 1);
  gauge_->SetValue(0);
}

void ProgressDialog::Step(int done) {
  const auto now = std::chrono::steady_clock::now();
  if (now - lastPump_ >= kPumpInterval) {
    gauge_->SetValue(std::min(done, gauge_->GetRange()));
    wxTheApp->Yield(true);
    lastPump_ = std::chrono::steady_clock::now();
  }
}

void ProgressDialog::Finish() {
  disabler_.reset();
  held_.reset();
  Hide();
  Destroy();
  if (focus_) focus_->SetFocus();
}

void ProgressDialog::OnCancel(wxCommandEvent&) {
  onCancel_();
  status_->SetLabel(Utf8(msg::kCancelling));
  cancel_->Disable();
}

namespace {
bool cancelNextRun = false;
ProgressRun::StepWatch nextWatch;

int ClampedToInt(long long n) { return static_cast<int>(std::clamp<long long>(n, 0, INT32_MAX)); }
}  // namespace

void ProgressRun::CancelNextRun() { cancelNextRun = true; }
bool ProgressRun::CancelPending() { return cancelNextRun; }
void ProgressRun::WatchNextRun(StepWatch watch) { nextWatch = std::move(watch); }

ProgressRun::ProgressRun(wxWindow* owner)
    : owner_(owner), cancelled_(cancelNextRun), watch_(std::move(nextWatch)) {
  cancelNextRun = false;
  nextWatch = nullptr;
}

ProgressRun::~ProgressRun() {
  if (dialog_) dialog_->Finish();
}

void ProgressRun::Begin(long long total) {
  if (closed_) return;
  if (!dialog_) dialog_ = new ProgressDialog(owner_, [this] { cancelled_ = true; });
  dialog_->SetRange(ClampedToInt(total));
}

bool ProgressRun::Step(long long done) {
  if (dialog_) dialog_->Step(ClampedToInt(done));
  if (watch_) watch_(dialog_, ++steps_);
  return cancelled_;
}

void ProgressRun::Close() {
  if (dialog_) dialog_->Finish();
  dialog_ = nullptr;
  closed_ = true;
  cancelled_ = false;
}

}  // namespace listora
