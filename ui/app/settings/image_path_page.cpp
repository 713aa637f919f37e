#include "ui/app/settings/image_path_page.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/base/translation.h"
#include "core/tools/image_paths.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

constexpr Text kModeLabels[3] = {Tx("フルパス(&F)"), Tx("LTBファィルの位置を基準(&D)"),
                                 Tx("実行ファイルの位置を基準(&X)")};
constexpr Text kModeTips[3] = {Tx("フルパスで取り込みます。"),
                               Tx("LTBファイルの位置を基準に取り込みます。"),
                               Tx("Listora.exeの位置を基準に取り込みます。")};

}  // namespace

ImagePathPage::ImagePathPage(wxWindow* parent, std::filesystem::path documentFile,
                             std::filesystem::path executableDir)
    : SettingsPage(parent),
      documentFile_(std::move(documentFile)),
      executableDir_(std::move(executableDir)) {
  wxStaticBoxSizer* frame = PageFrame(this, Tx("画像ファイルのパス設定"));
  wxWindow* box = frame->GetStaticBox();
  for (int i = 0; i < 3; ++i) {
    modes_[i] = new wxRadioButton(box, kFullPath + i, Utf8(kModeLabels[i]), wxDefaultPosition,
                                  wxDefaultSize, i == 0 ? wxRB_GROUP : 0);
    modes_[i]->SetToolTip(Utf8(kModeTips[i]));
    frame->Add(modes_[i], wxSizerFlags().Border(wxALL, 3));
  }
  frame->Add(new wxStaticText(box, wxID_ANY, Utf8(Tr("基準より下のパス(&N)"))),
             wxSizerFlags().Border(wxLEFT | wxTOP));
  subPath_ =
      new wxTextCtrl(box, kSubPath, "", wxDefaultPosition, wxDefaultSize, wxTE_PROCESS_ENTER);
  subPath_->SetToolTip(Utf8(Tr("基準から下のパスを入力してください。")));
  // Enter is swallowed by the page instead of closing the dialog.
  subPath_->Bind(wxEVT_TEXT_ENTER, [](wxCommandEvent&) {});
  frame->Add(subPath_, wxSizerFlags().Expand().Border());
  copy_ = new wxCheckBox(box, kCopy, Utf8(Tr("画像ファイルをコピーする。")));
  copy_->SetToolTip(Utf8(Tr("指定した位置に画像ファイルをコピーする場合にチェックしてください。")));
  frame->Add(copy_, wxSizerFlags().Border());
  frame->Add(new wxStaticText(box, wxID_ANY, Utf8(Tr("例:　/img/123.JPGの場合"))),
             wxSizerFlags().Border(wxLEFT | wxTOP));
  example_ =
      new wxStaticText(box, kExample, "", wxDefaultPosition, wxSize(300, -1), wxST_ELLIPSIZE_START);
  frame->Add(example_, wxSizerFlags().Expand().Border());

  Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) {
    if (set_) set_->imagePathMode = Mode();
    Renew();
  });
  subPath_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { Renew(); });
}

int ImagePathPage::Mode() const {
  for (int i = 0; i < 3; ++i) {
    if (modes_[i]->GetValue()) return i;
  }
  return 0;
}

void ImagePathPage::ShowSet(SettingsSet& set, StyledPane) {
  set_ = &set;
  modes_[std::clamp(set.imagePathMode, 0, 2)]->SetValue(true);
  subPath_->ChangeValue(ToWx(set.imageSubPath));
  copy_->SetValue(set.copyImages);
  Renew();
}

bool ImagePathPage::StoreSet() {
  if (!set_) return true;
  set_->imagePathMode = Mode();
  set_->imageSubPath = NormaliseSubPath(PathFromWx(subPath_->GetValue()));
  set_->copyImages = copy_->GetValue();
  return true;
}

void ImagePathPage::Renew() {
  const int mode = Mode();
  subPath_->Enable(mode != 0);
  copy_->Enable(mode != 0);
  const wxString example =
      ToWx(ImagePathExample(mode, PathFromWx(subPath_->GetValue()), documentFile_, executableDir_));
  example_->SetLabel(example);
  // The example may be longer than the page is wide: its tip shows it whole.
  example_->SetToolTip(example);
}

}  // namespace listora
