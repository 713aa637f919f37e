#include "ui/tools/auto_insert_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/filename.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <limits>

#include "core/base/number_entry.h"
#include "core/doc/document_file.h"
#include "core/tools/auto_insert_item.h"
#include "core/tools/auto_insert_settings.h"
#include "ui/base/messages.h"
#include "ui/base/prompt.h"
#include "ui/doc/listora_doc.h"
#include "ui/doc/program_state.h"
#include "ui/text/text_convert.h"
#include "ui/tools/dialog_support.h"

namespace listora {

namespace {

// The entries of the kind list, in kind order.
constexpr Text kItemKindNames[kItemKindCount] = {Tx("フォルダ名"),
                                                 Tx("フルパス名"),
                                                 Tx("ファイル名(拡張子有り)"),
                                                 Tx("ファイル名(拡張子無し)"),
                                                 Tx("拡張子"),
                                                 Tx("ファイルサイズ"),
                                                 Tx("作成日時"),
                                                 Tx("更新日時"),
                                                 Tx("現在の日時"),
                                                 Tx("入力項目(↓)"),
                                                 Tx("連番")};

wxButton* AddButton(wxWindow* parent, int id, std::string_view label, std::string_view tip) {
  auto* button = new wxButton(parent, id, Utf8(label));
  button->SetToolTip(Utf8(tip));
  return button;
}

}  // namespace

SerialNumberDialog::SerialNumberDialog(wxWindow* parent, const AutoInsertSettings& settings)
    : wxDialog(parent, wxID_ANY, Utf8(Tr("連番設定"))) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* grid = new wxFlexGridSizer(2, wxSize(8, 6));
  grid->AddGrowableCol(1);
  grid->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("入力文字(&E)"))),
            wxSizerFlags().CentreVertical());
  text_ = new wxTextCtrl(this, kTextEdit, ToWx(FixedText(settings.serialText)), wxDefaultPosition,
                         wxSize(200, -1));
  text_->SetToolTip(Utf8(Tr("番号と一緒に入れる文字を入力してください。")));
  grid->Add(text_, wxSizerFlags().Expand());
  grid->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("開始番号(&S)"))),
            wxSizerFlags().CentreVertical());
  start_ = new wxTextCtrl(this, kStartEdit, wxString::Format("%d", settings.serialStart));
  start_->SetToolTip(Utf8(Tr("開始番号を入力してください。")));
  grid->Add(start_);
  grid->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("桁数(&K)"))),
            wxSizerFlags().CentreVertical());
  digits_ = new wxChoice(this, kDigitsChoice);
  for (int digits = 1; digits <= 9; ++digits) digits_->Append(wxString::Format("%d", digits));
  digits_->SetSelection(std::clamp(settings.serialDigits, 1, 9) - 1);
  digits_->SetToolTip(Utf8(Tr("番号の桁数を選択してください。")));
  grid->Add(digits_);
  top->Add(grid, wxSizerFlags().Expand().Border());
  auto* note = new wxStaticText(this, wxID_ANY, Utf8(Tr("※ 番号を入れたい場所に * を入力")));
  note->SetForegroundColour(*wxRED);
  top->Add(note, wxSizerFlags().Border(wxLEFT | wxRIGHT));
  top->Add(AddButton(this, wxID_OK, "&O K", Tx("現在の設定を反映して終了します。")),
           wxSizerFlags().Right().Border());
  SetSizerAndFit(top);
  SetEscapeId(wxID_CANCEL);
  SwallowEnter(*this);
  Bind(wxEVT_BUTTON, &SerialNumberDialog::OnOk, this, wxID_OK);
  CentreOnParent();
}

void SerialNumberDialog::OnOk(wxCommandEvent&) {
  constexpr std::int32_t kMaxStart = std::numeric_limits<std::int32_t>::max();
  const NumberEntry start = ParseUnsignedEntry(TextFromWx(start_->GetValue()), 0, kMaxStart);
  if (!start.ok()) {
    ThePrompt().Error(this, Utf8(UnsignedEntryMessage(start, 0, kMaxStart)));
    start_->SetFocus();
    return;
  }
  startNumber_ = start.value;
  EndModal(wxID_OK);
}

void SerialNumberDialog::Store(AutoInsertSettings& settings) const {
  SetFixedText(settings.serialText, TextFromWx(text_->GetValue()));
  settings.serialStart = startNumber_;
  settings.serialDigits = digits_->GetSelection() + 1;
}

InsertAttributesDialog::InsertAttributesDialog(wxWindow* parent, ProgramState& program)
    : wxDialog(parent, wxID_ANY, Utf8(Tr("取り込みファイルの属性設定"))), program_(program) {
  const AttributeChoices choices = ReadAttributeChoices(program_.settingsFile);
  auto* top = new wxBoxSizer(wxVERTICAL);
  const auto box = [&](int id, std::string_view label, std::string_view tip, bool value) {
    auto* check = new wxCheckBox(this, id, Utf8(label));
    check->SetToolTip(Utf8(tip));
    check->SetValue(value);
    top->Add(check, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP));
    return check;
  };
  box(kNormalCheck, Tx("標準ファィル(&N)"), Tx("標準のファィルです。常にオンです。"), true)
      ->Disable();
  readOnly_ =
      box(kReadOnlyCheck, Tx("読み取り専用(&R)"),
          Tx("読み取り専用ファイルも取り込む場合はチェックしてください。"), choices.readOnly);
  system_ = box(kSystemCheck, Tx("システムファイル(&S)"),
                Tx("システムファィルも取り込む場合はチェックしてください。"), choices.system);
  hidden_ = box(kHiddenCheck, Tx("隠しファイル(&H)"),
                Tx("隠しファィルも取り込む場合はチェックしてください。"), choices.hidden);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(AddButton(this, wxID_OK, "&O K", Tx("現在の設定を反映して終了します。")),
               wxSizerFlags().Border(wxRIGHT));
  buttons->Add(
      AddButton(this, wxID_CANCEL, Tx("キャンセル(&C)"), Tx("現在の設定を破棄して終了します。")));
  top->Add(buttons, wxSizerFlags().Right().Border());
  SetSizerAndFit(top);
  Bind(wxEVT_BUTTON, &InsertAttributesDialog::OnOk, this, wxID_OK);
  CentreOnParent();
}

void InsertAttributesDialog::OnOk(wxCommandEvent&) {
  WriteAttributeChoices(program_.settingsFile,
                        {readOnly_->GetValue(), system_->GetValue(), hidden_->GetValue()});
  program_.ReadAttributeSkipMask();
  EndModal(wxID_OK);
}

AutoInsertDialog::AutoInsertDialog(const ToolContext& context)
    : ToolDialog(context, Utf8(Tr("アイテムの自動挿入"))),
      working_(InsertDialogStart(context.doc->Data().settings.autoInsert,
                                 context.doc->Data().ColumnCount(),
                                 wxFileName::GetHomeDir().utf8_string())),
      userColumns_(context.doc->Data().ColumnCount() - 1) {
  CreateControls();
  ShowColumn();
  SwallowEnter(*this);
  Bind(wxEVT_CHOICE, &AutoInsertDialog::OnColumnChosen, this, kColumnChoice);
  Bind(wxEVT_CHOICE, &AutoInsertDialog::OnKindChosen, this, kKindChoice);
  Bind(wxEVT_TEXT, &AutoInsertDialog::OnInputText, this, kInputEdit);
  Bind(wxEVT_BUTTON, &AutoInsertDialog::OnBrowse, this, kBrowseButton);
  Bind(wxEVT_BUTTON, &AutoInsertDialog::OnAttributes, this, kAttributesButton);
  Bind(wxEVT_BUTTON, &AutoInsertDialog::OnSerial, this, kSerialButton);
  Bind(wxEVT_BUTTON, &AutoInsertDialog::OnDefaults, this, kDefaultsButton);
  Bind(wxEVT_BUTTON, &AutoInsertDialog::OnInsert, this, wxID_OK);
  Bind(wxEVT_BUTTON, &AutoInsertDialog::OnStoreOnly, this, kStoreOnlyButton);
  CentreOnParent();
}

void AutoInsertDialog::CreateControls() {
  const Document& data = context_.doc->Data();
  auto* top = new wxBoxSizer(wxVERTICAL);

  auto* source = new wxFlexGridSizer(3, wxSize(8, 6));
  source->AddGrowableCol(1);
  source->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("フォルダ名(&N)"))),
              wxSizerFlags().CentreVertical());
  folder_ = new wxTextCtrl(this, kFolderEdit, ToWx(FixedText(working_.folder)), wxDefaultPosition,
                           wxSize(300, -1));
  folder_->SetToolTip(Utf8(Tr("取り込むフォルダ名です。")));
  folder_->SetDropTarget(new SinglePathDrop(folder_, SinglePathDrop::Kind::kFolder));
  source->Add(folder_, wxSizerFlags().Expand());
  source->Add(AddButton(this, kBrowseButton, Tx("参照(&R)"),
                        Tx("フォルダ選択ダイアログからフォルダを選択します。")));
  source->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("拡張子(&E)"))),
              wxSizerFlags().CentreVertical());
  extension_ = new wxTextCtrl(this, kExtensionEdit, ToWx(FixedText(working_.pattern)));
  extension_->SetToolTip(Utf8(Tr("取り込みたいファイルの拡張子を入力してください。")));
  source->Add(extension_, wxSizerFlags().Expand());
  source->AddSpacer(0);
  top->Add(source, wxSizerFlags().Expand().Border());

  auto* options = new wxBoxSizer(wxHORIZONTAL);
  subFolders_ = new wxCheckBox(this, kSubFoldersCheck, Utf8(Tr("サブフォルダも含める(&F)")));
  subFolders_->SetValue(working_.subFolders != 0);
  subFolders_->SetToolTip(Utf8(Tr("サブフォルダを含める場合はチェックしてください。")));
  options->Add(subFolders_, wxSizerFlags(1).CentreVertical());
  auto* attributes = new wxStaticBoxSizer(wxHORIZONTAL, this, Utf8(Tr("取り込み属性")));
  attributes->Add(new wxButton(attributes->GetStaticBox(), kAttributesButton, Utf8(Tr("設定(&S)"))),
                  wxSizerFlags().Border(wxALL, 2));
  options->Add(attributes);
  top->Add(options, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT));

  auto* columns = new wxFlexGridSizer(2, wxSize(8, 6));
  columns->AddGrowableCol(1);
  columns->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("設定項目(&P)"))),
               wxSizerFlags().CentreVertical());
  column_ = new wxChoice(this, kColumnChoice);
  for (int c = 1; c <= userColumns_; ++c)
    column_->Append(ToWx(FixedText(data.settings.columns.names[c])));
  column_->SetSelection(working_.lastColumn - 1);
  column_->SetToolTip(Utf8(Tr("設定する項目を選択します。")));
  columns->Add(column_, wxSizerFlags().Expand());
  columns->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("挿入する項目(&A)"))),
               wxSizerFlags().CentreVertical());
  kind_ = new wxChoice(this, kKindChoice);
  for (const Text& name : kItemKindNames) kind_->Append(Utf8(name));
  kind_->SetToolTip(Utf8(Tr("挿入したい項目を選択してください。")));
  columns->Add(kind_, wxSizerFlags().Expand());
  inputLabel_ = new wxStaticText(this, kInputLabel, Utf8(Tr("入力文字(&I)")));
  columns->Add(inputLabel_, wxSizerFlags().CentreVertical());
  auto* inputRow = new wxBoxSizer(wxHORIZONTAL);
  input_ = new wxTextCtrl(this, kInputEdit);
  input_->SetToolTip(Utf8(Tr("挿入したい文字を入力してください。")));
  inputRow->Add(input_, wxSizerFlags(1));
  serial_ =
      AddButton(this, kSerialButton, Tx("連番設定(&N)"), Tx("連番設定ダイアログを表示します。"));
  inputRow->Add(serial_);
  columns->Add(inputRow, wxSizerFlags().Expand());
  top->Add(columns, wxSizerFlags().Expand().Border());
  // The sample sits under the file it is made from.
  top->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("/AAA/BBB.txt の場合"))),
           wxSizerFlags().Border(wxLEFT | wxRIGHT));
  sample_ = new wxStaticText(this, kSample, wxString());
  sample_->SetToolTip(Utf8(Tr("挿入される文字のサンプルです。")));
  top->Add(sample_, wxSizerFlags().Expand().Border(wxLEFT, 24));

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(AddButton(this, kDefaultsButton, Tx("デフォルトの設定にする(&D)"),
                         Tx("現在の設定をデフォルトにします。")),
               wxSizerFlags().Border(wxRIGHT, 20));
  buttons->AddStretchSpacer();
  buttons->Add(AddButton(this, wxID_OK, Tx("取り込み(&G)"),
                         Tx("設定を終了し、現在の内容でアイテムを挿入します。")),
               wxSizerFlags().Border(wxRIGHT));
  buttons->Add(
      AddButton(this, wxID_CANCEL, Tx("キャンセル(&C)"), Tx("現在の設定を破棄して終了します。")),
      wxSizerFlags().Border(wxRIGHT));
  buttons->Add(AddButton(this, kStoreOnlyButton, Tx("設定して終了(&Q)"),
                         Tx("現在の設定で設定だけして終了します。")));
  top->Add(buttons, wxSizerFlags().Expand().Border());
  SetSizerAndFit(top);
}

void AutoInsertDialog::ShowColumn() {
  const int column = working_.lastColumn;
  kind_->SetSelection(working_.kinds[column]);
  input_->ChangeValue(ToWx(FixedText(working_.fixedTexts[column])));
  ShowKind();
}

void AutoInsertDialog::ShowKind() {
  const int column = working_.lastColumn;
  const int kind = working_.kinds[column];
  sample_->SetLabel(ToWx(KindSampleText(working_, column, kind)));
  input_->Enable(kind == kKindInputText);
  const bool serial = kind == kKindSerial;
  inputLabel_->Show(!serial);
  input_->Show(!serial);
  serial_->Show(serial);
  Layout();
}

void AutoInsertDialog::ReadControls() {
  SetFixedText(working_.folder, PathFromWx(folder_->GetValue()));
  SetFixedText(working_.pattern, TextFromWx(extension_->GetValue()));
  working_.subFolders = subFolders_->GetValue() ? 1 : 0;
  const int column = working_.lastColumn;
  working_.kinds[column] = static_cast<std::uint8_t>(std::max(kind_->GetSelection(), 0));
  SetFixedText(working_.fixedTexts[column], TextFromWx(input_->GetValue()));
}

bool AutoInsertDialog::Choose() {
  ReadControls();
  chosen_ = context_.doc->Data().settings.autoInsert;
  if (!StoreInsertDialog(working_, userColumns_ + 1, chosen_)) {
    ThePrompt().Error(this, Utf8(msg::kEnterFolderName));
    return false;
  }
  return true;
}

void AutoInsertDialog::WriteDefaults() {
  WriteAutoInsertDefaults(context_.doc->Program().settingsFile, working_);
}

void AutoInsertDialog::OnColumnChosen(wxCommandEvent&) {
  ReadControls();
  working_.lastColumn = static_cast<std::uint8_t>(std::max(column_->GetSelection(), 0) + 1);
  ShowColumn();
}

void AutoInsertDialog::OnKindChosen(wxCommandEvent&) {
  working_.kinds[working_.lastColumn] =
      static_cast<std::uint8_t>(std::max(kind_->GetSelection(), 0));
  ShowKind();
}

void AutoInsertDialog::OnInputText(wxCommandEvent&) {
  SetFixedText(working_.fixedTexts[working_.lastColumn], TextFromWx(input_->GetValue()));
  sample_->SetLabel(ToWx(InputSampleText(TextFromWx(input_->GetValue()))));
}

void AutoInsertDialog::OnBrowse(wxCommandEvent&) {
  const wxString folder =
      ThePrompt().ChooseFolder(this, Utf8(msg::kChooseInsertFolder), folder_->GetValue());
  if (!folder.empty()) folder_->ChangeValue(folder);
}

void AutoInsertDialog::OnAttributes(wxCommandEvent&) {
  InsertAttributesDialog dialog(this, context_.doc->Program());
  dialog.ShowModal();
}

void AutoInsertDialog::OnSerial(wxCommandEvent&) {
  SerialNumberDialog dialog(this, working_);
  if (dialog.ShowModal() != wxID_OK) return;
  // The serial settings are the document's at once, whatever ends this
  // dialog.
  dialog.Store(working_);
  AutoInsertSettings document = context_.doc->Data().settings.autoInsert;
  dialog.Store(document);
  context_.doc->SetAutoInsertSettings(document);
  ShowKind();
}

void AutoInsertDialog::OnDefaults(wxCommandEvent&) {
  ReadControls();
  WriteDefaults();
}

void AutoInsertDialog::OnInsert(wxCommandEvent&) {
  if (!Choose()) return;
  WriteDefaults();
  EndModal(wxID_OK);
}

void AutoInsertDialog::OnStoreOnly(wxCommandEvent&) {
  if (!Choose()) return;
  context_.doc->SetAutoInsertSettings(chosen_);
  EndModal(kStoredOnly);
}

void RunAutoInsert(const ToolContext& context) {
  AutoInsertDialog dialog(context);
  if (dialog.ShowModal() == wxID_OK) context.doc->RunAutoInsert(dialog.Chosen());
}

}  // namespace listora
