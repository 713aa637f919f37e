#include "ui/app/settings/image_pane_page.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "core/base/translation.h"
#include "ui/panes/pane_style.h"
#include "ui/text/text_convert.h"

namespace listora {

ImagePanePage::ImagePanePage(wxWindow* parent) : SettingsPage(parent) {
  wxStaticBoxSizer* frame = PageFrame(this, Tx("イメージビューの設定"));
  wxWindow* box = frame->GetStaticBox();
  auto* colours = new wxStaticBoxSizer(wxHORIZONTAL, box, Utf8(Tr("色の設定")));
  wxWindow* colourBox = colours->GetStaticBox();
  sample_ = new wxPanel(colourBox, kSample, wxDefaultPosition, wxSize(60, 20), wxBORDER_SIMPLE);
  sample_->SetToolTip(Utf8(Tr("イメージビューの背景色です")));
  auto* choose = new wxButton(colourBox, kColourButton, Utf8(Tr("色選択(&C)")));
  choose->SetToolTip(Utf8(Tr("色の設定ダイアログから色を選択します")));
  colours->Add(new wxStaticText(colourBox, wxID_ANY, Utf8(Tr("背景色"))),
               wxSizerFlags().CentreVertical().Border(wxRIGHT));
  colours->Add(sample_, wxSizerFlags().CentreVertical());
  colours->Add(choose, wxSizerFlags().Border(wxLEFT));
  frame->Add(colours, wxSizerFlags().Expand().Border());

  auto* fitting = new wxStaticBoxSizer(wxHORIZONTAL, box, Utf8(Tr("画像の表示方法")));
  wxWindow* fitBox = fitting->GetStaticBox();
  fit_ = new wxChoice(fitBox, kFit);
  fit_->Append(Utf8(Tr("実物大")));
  fit_->Append(Utf8(Tr("ウインドウに合わせる")));
  fit_->SetToolTip(Utf8(Tr("画像の表示方法を選択してください")));
  fitting->Add(new wxStaticText(fitBox, wxID_ANY, Utf8(Tr("表示方法(&P)"))),
               wxSizerFlags().CentreVertical().Border(wxRIGHT));
  fitting->Add(fit_);
  frame->Add(fitting, wxSizerFlags().Expand().Border());

  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        if (set_ && ChooseColorRef(this, set_->imageBackground)) {
          sample_->SetBackgroundColour(FromColorRef(set_->imageBackground));
          sample_->Refresh();
        }
      },
      kColourButton);
}

void ImagePanePage::ShowSet(SettingsSet& set, StyledPane) {
  set_ = &set;
  sample_->SetBackgroundColour(FromColorRef(set.imageBackground));
  sample_->Refresh();
  fit_->SetSelection(set.imageFit != 0 ? 1 : 0);
}

bool ImagePanePage::StoreSet() {
  if (set_) set_->imageFit = fit_->GetSelection() == 0 ? 0 : 1;
  return true;
}

}  // namespace listora
