#include "ui/app/settings/system_page.h"

#include <wx/arrstr.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include "core/app/desktop_integration.h"
#include "core/app/file_manager_actions.h"
#include "ui/base/messages.h"
#include "ui/base/prompt.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

// The desktop folder as the desktop itself names it (it may be localised,
// "デスクトップ"); empty when xdg-user-dir is not installed.
std::filesystem::path DesktopFolder() {
  wxArrayString output, errors;
  if (wxExecute("xdg-user-dir DESKTOP", output, errors, wxEXEC_SYNC | wxEXEC_NODISABLE) != 0 ||
      output.empty()) {
    return {};
  }
  return std::filesystem::path(output[0].utf8_string());
}

}  // namespace

DesktopPaths CurrentDesktopPaths() {
  const std::string exe = wxStandardPaths::Get().GetExecutablePath().utf8_string();
  return UserDesktopPaths(exe, DesktopFolder());
}

SystemPage::SystemPage(wxWindow* parent, ProtectionSettings& values)
    : SettingsPage(parent), values_(values) {
  wxStaticBoxSizer* frame = PageFrame(this, Tx("システム設定"));
  wxWindow* box = frame->GetStaticBox();

  auto* association = new wxStaticBoxSizer(wxVERTICAL, box, Utf8(Tr("LTBファィルの関連付け")));
  wxWindow* a = association->GetStaticBox();
  associate_ = new wxRadioButton(a, kAssociate, Utf8(Tr("関連付けする(&R)")), wxDefaultPosition,
                                 wxDefaultSize, wxRB_GROUP);
  associate_->SetToolTip(Utf8(Tr("LTBファイルを関連付けする場合に選択してください。")));
  auto* dissociate = new wxRadioButton(a, kDissociate, Utf8(Tr("関連付けをはずす(&O)")));
  dissociate->SetToolTip(Utf8(Tr("LTBファイルの関連付けをはずす場合に選択してください。")));
  auto* apply = new wxButton(a, kApply, Utf8(Tr("設　定(&X)")));
  apply->SetToolTip(Utf8(Tr("選択した関連付けを設定します。")));
  associate_->SetValue(true);
  association->Add(associate_, wxSizerFlags().Border(wxALL, 3));
  association->Add(dissociate, wxSizerFlags().Border(wxALL, 3));
  association->Add(apply, wxSizerFlags().Border(wxALL, 3));
  frame->Add(association, wxSizerFlags().Expand().Border());

  auto* shortcuts = new wxStaticBoxSizer(wxVERTICAL, box, Utf8(Tr("ショートカット作成")));
  wxWindow* s = shortcuts->GetStaticBox();
  desktop_ = new wxCheckBox(s, kDesktop, Utf8(Tr("デスクトップ(&D)")));
  desktop_->SetToolTip(
      Utf8(Tr("デスクトップにショートカットを作成する場合にチェックしてください。")));
  sendTo_ = new wxCheckBox(s, kSendTo, Utf8(Tr("送る(&S)")));
  sendTo_->SetToolTip(Utf8(Tr("「送る」にショートカットを作成する場合に選択してください。")));
  desktop_->SetValue(true);
  sendTo_->SetValue(true);
  auto* create = new wxButton(s, kCreate, Utf8(Tr("作成(&M)")));
  create->SetToolTip(Utf8(Tr("チェックしたショートカットを作成します。")));
  auto* remove = new wxButton(s, kDelete, Utf8(Tr("削除(&E)")));
  shortcuts->Add(desktop_, wxSizerFlags().Border(wxALL, 3));
  shortcuts->Add(sendTo_, wxSizerFlags().Border(wxALL, 3));
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(create);
  buttons->Add(remove, wxSizerFlags().Border(wxLEFT));
  shortcuts->Add(buttons, wxSizerFlags().Border(wxALL, 3));
  frame->Add(shortcuts, wxSizerFlags().Expand().Border());

  auto* file = new wxStaticBoxSizer(wxVERTICAL, box, Utf8(Tr("LTBファイル")));
  wxWindow* f = file->GetStaticBox();
  encrypt_ = new wxCheckBox(f, kEncrypt, Utf8(Tr("暗号化する(&A)")));
  encrypt_->SetToolTip(Utf8(Tr("データを暗号化し他のソフトでは読めないようにします。")));
  password_ = new wxCheckBox(f, kPassword, Utf8(Tr("パスワードを設定する(&P)")));
  password_->SetToolTip(Utf8(Tr("パスワードで保護出来るようにします。")));
  file->Add(encrypt_, wxSizerFlags().Border(wxALL, 3));
  file->Add(password_, wxSizerFlags().Border(wxALL, 3));
  frame->Add(file, wxSizerFlags().Expand().Border());

  Bind(wxEVT_BUTTON, &SystemPage::OnApply, this, kApply);
  Bind(wxEVT_BUTTON, &SystemPage::OnCreate, this, kCreate);
  Bind(wxEVT_BUTTON, &SystemPage::OnDelete, this, kDelete);
  Bind(wxEVT_CHECKBOX, &SystemPage::OnProtection, this, kPassword);
  Bind(wxEVT_CHECKBOX, &SystemPage::OnProtection, this, kEncrypt);
}

void SystemPage::ShowSet(SettingsSet&, StyledPane) {
  password_->SetValue(values_.password);
  encrypt_->SetValue(values_.encrypt);
}

bool SystemPage::StoreSet() {
  values_.password = password_->GetValue();
  values_.encrypt = encrypt_->GetValue();
  return true;
}

void SystemPage::OnApply(wxCommandEvent&) {
  const DesktopPaths paths = CurrentDesktopPaths();
  const bool associate = associate_->GetValue();
  if (associate) {
    Associate(paths, RunHelperIfInstalled);
  } else {
    Dissociate(paths, RunHelperIfInstalled);
  }
  ThePrompt().Info(this, Utf8(associate ? msg::kAssociated : msg::kDissociated),
                   Utf8(msg::kAssociationCaption));
}

void SystemPage::OnCreate(wxCommandEvent&) {
  const DesktopPaths paths = CurrentDesktopPaths();
  if (desktop_->GetValue()) CreateLauncher(paths, RunHelperIfInstalled);
  if (sendTo_->GetValue()) CreateFileManagerActions(paths, RunHelperIfInstalled);
  ThePrompt().Info(this, Utf8(msg::kShortcutsCreated), Utf8(msg::kConfirmCaption));
}

void SystemPage::OnDelete(wxCommandEvent&) {
  const DesktopPaths paths = CurrentDesktopPaths();
  int deleted = 0;
  if (desktop_->GetValue() && DeleteLauncher(paths)) ++deleted;
  if (sendTo_->GetValue() && DeleteFileManagerActions(paths, RunHelperIfInstalled)) ++deleted;
  if (deleted > 0) ThePrompt().Info(this, Utf8(msg::kShortcutsDeleted), Utf8(msg::kConfirmCaption));
}

void SystemPage::OnProtection(wxCommandEvent&) {
  const ProtectionSettings now =
      AfterProtectionClick({password_->GetValue(), encrypt_->GetValue()});
  password_->SetValue(now.password);
  encrypt_->SetValue(now.encrypt);
}

}  // namespace listora
