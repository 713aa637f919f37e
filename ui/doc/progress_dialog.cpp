#include "ui/doc/progress_dialog.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/utils.h>

namespace listora {

namespace {
constexpr int kGauge = 1002;
constexpr int kCancelButton = 1003;
constexpr int kStatusText = 1102;
constexpr auto kPumpInterval = std::chrono::milliseconds(50);
}  // namespace

CProgressDialog::CProgressDialog(wxWindow* parent, bool& cancelFlag)
    : wxDialog(parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, wxBORDER_RAISED),
      cancelFlag_(cancelFlag) {
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  status_ = new wxStaticText(this, kStatusText, wxString::FromUTF8("現在作業中です。"),
                             wxDefaultPosition, wxDefaultSize, wxALIGN_CENTRE_HORIZONTAL);
  sizer->Add(status_, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP));
  sizer->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8("しばらくお待ちください。"),
                              wxDefaultPosition, wxDefaultSize, wxALIGN_CENTRE_HORIZONTAL),
             wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT));
  gauge_ = new wxGauge(this, kGauge, 1, wxDefaultPosition, wxSize(260, -1));
  gauge_->SetToolTip(wxString::FromUTF8("現在の進行状況です"));
  sizer->Add(gauge_, wxSizerFlags().Expand().Border());
  cancel_ = new wxButton(this, kCancelButton, wxString::FromUTF8("中　止(&A)"));
  cancel_->SetToolTip(wxString::FromUTF8("現在の作業を途中で中止します"));
  sizer->Add(cancel_, wxSizerFlags().Centre().Border(wxLEFT | wxRIGHT | wxBOTTOM));
  SetSizerAndFit(sizer);
  CentreOnParent();
  cancel_->Bind(wxEVT_BUTTON, &CProgressDialog::OnCancel, this);
  Show();
  disabler_ = std::make_unique<wxWindowDisabler>(this);
  Update();
  lastPump_ = std::chrono::steady_clock::now();
}

CProgressDialog::~CProgressDialog() = default;

void CProgressDialog::SetRange(int total) {
  gauge_->SetRange(total > 0 ? total : 1);
  gauge_->SetValue(0);
}

bool CProgressDialog::Step(int done) {
  const auto now = std::chrono::steady_clock::now();
  if (now - lastPump_ >= kPumpInterval) {
    gauge_->SetValue(std::min(done, gauge_->GetRange()));
    wxTheApp->Yield(true);
    lastPump_ = std::chrono::steady_clock::now();
  }
  return cancelFlag_;
}

void CProgressDialog::Finish() {
  disabler_.reset();
  Hide();
  Destroy();
}

void CProgressDialog::OnCancel(wxCommandEvent&) {
  cancelFlag_ = true;
  status_->SetLabel(wxString::FromUTF8("現在処理を中止しています。"));
  cancel_->Disable();
}

}  // namespace listora
