#include "ui/tools/item_entry_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "ui/base/image_chooser.h"
#include "ui/base/messages.h"
#include "ui/base/ok_cancel_row.h"
#include "ui/base/prompt.h"
#include "ui/doc/listora_doc.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/text/text_convert.h"
#include "ui/tools/dialog_support.h"

namespace listora {

namespace {

// `inner` one step in, under its radio button.
wxSizer* Indented(wxSizer* inner) {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->AddSpacer(20);
  row->Add(inner, wxSizerFlags(1).Expand());
  return row;
}

}  // namespace

ItemEntryDialog::ItemEntryDialog(const ToolContext& context, std::vector<int> rows)
    : ToolDialog(context, Utf8(Tr("アイテムの追加")), wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      mergeKey_(ListoraDoc::NewMergeKey()) {
  const Document& data = context_.doc->Data();
  values_.assign(data.ColumnCount() - 1, std::string());
  if (!rows.empty()) walk_.emplace(std::move(rows));
  CreateControls();
  if (Modifying()) {
    SetTitle(Utf8(Tr("アイテムの修正")));
    continue_->Hide();
    LoadCurrentItem();
  }
  ShowMethod();
  SwallowEnter(*this);
  Bind(wxEVT_CHOICE, &ItemEntryDialog::OnColumnChosen, this, kColumnChoice);
  Bind(wxEVT_RADIOBUTTON, &ItemEntryDialog::OnMethod, this, kSingleRadio, kBulkRadio);
  Bind(wxEVT_TEXT, &ItemEntryDialog::OnBulkText, this, kBulkEdit);
  Bind(wxEVT_BUTTON, &ItemEntryDialog::OnChooseImage, this, kImageButton);
  Bind(wxEVT_BUTTON, &ItemEntryDialog::OnOk, this, wxID_OK);
  GetSizer()->SetSizeHints(this);
  CentreOnParent();
}

void ItemEntryDialog::CreateControls() {
  const ColumnDescriptors& columns = context_.doc->Data().settings.columns;
  std::vector<std::string> names;
  for (int column = 1; column <= Columns(); ++column)
    names.emplace_back(FixedText(columns.names[column]));

  auto* top = new wxBoxSizer(wxVERTICAL);
  const wxSizerFlags expand = wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP);

  single_ = new wxRadioButton(this, kSingleRadio, Utf8(Tr("項目ごとに設定(&P)")), wxDefaultPosition,
                              wxDefaultSize, wxRB_GROUP);
  single_->SetToolTip(Utf8(Tr("項目ごとに設定する場合に選択してください。")));
  top->Add(single_, expand);
  auto* fieldRow = new wxBoxSizer(wxHORIZONTAL);
  fieldRow->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("設定項目(&S)"))),
                wxSizerFlags().CentreVertical().Border(wxRIGHT));
  columnChoice_ = new wxChoice(this, kColumnChoice);
  for (const std::string& name : names) columnChoice_->Append(ToWx(name));
  columnChoice_->SetSelection(0);
  columnChoice_->SetToolTip(Utf8(Tr("設定する項目を選択してください。")));
  LimitChoiceWidth(*columnChoice_);
  fieldRow->Add(columnChoice_, wxSizerFlags().CentreVertical().Border(wxRIGHT));
  field_ = new wxTextCtrl(this, kFieldEdit, wxString(), wxDefaultPosition, wxSize(260, -1));
  field_->SetToolTip(Utf8(Tr("選択項目の入力をしてください。")));
  fieldRow->Add(field_, wxSizerFlags(1).CentreVertical());
  top->Add(Indented(fieldRow), expand);

  bulk_ = new wxRadioButton(this, kBulkRadio, Utf8(Tr("一括で設定(&T)")));
  bulk_->SetToolTip(Utf8(Tr("まとめて設定する場合に選択してください。")));
  top->Add(bulk_, expand);
  auto* bulkBox = new wxBoxSizer(wxVERTICAL);
  auto* nameLine = new wxStaticText(this, kNameLine, wxString());
  SetUserLabel(*nameLine, ToWx(JoinFields(names)),
               Utf8(Tr("このように '/' で区切って入力してください。")));
  bulkBox->Add(nameLine);
  bulkText_ = new wxTextCtrl(this, kBulkEdit, wxString(), wxDefaultPosition, wxSize(420, -1));
  bulkText_->SetToolTip(Utf8(Tr("項目ごとに '/' で区切って入力してください。")));
  bulkBox->Add(bulkText_, wxSizerFlags().Expand().Border(wxTOP, 2));
  countLine_ = new wxStaticText(this, kCountLine, Utf8(FieldCountLabel(0)));
  countLine_->SetToolTip(Utf8(Tr("現在入力されている項目数です。")));
  bulkBox->Add(countLine_, wxSizerFlags().Border(wxTOP, 2));
  top->Add(Indented(bulkBox), expand);

  auto* imageBox = new wxBoxSizer(wxVERTICAL);
  imageBox->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("画像ファイルのパス(&I)"))));
  auto* imageRow = new wxBoxSizer(wxHORIZONTAL);
  image_ = new wxTextCtrl(this, kImageEdit);
  image_->SetToolTip(Utf8(Tr("設定する画像ファィルのフルパス名です。")));
  image_->SetDropTarget(new SinglePathDrop(image_, SinglePathDrop::Kind::kFile));
  imageRow->Add(image_, wxSizerFlags(1).CentreVertical().Border(wxRIGHT));
  auto* chooser = new wxButton(this, kImageButton, Utf8(Tr("ファイル選択(&S)")));
  chooser->SetToolTip(Utf8(Tr("ファイル選択ダイアログを表示します。")));
  imageRow->Add(chooser, wxSizerFlags().CentreVertical());
  imageBox->Add(imageRow, wxSizerFlags().Expand().Border(wxTOP, 2));
  top->Add(imageBox, expand);

  continue_ = new wxCheckBox(this, kContinueCheck, Utf8(Tr("続けて追加する(&A)")));
  continue_->SetToolTip(Utf8(Tr("続けて追加する場合チェックしてください。")));
  top->Add(continue_, expand);

  const OkCancelRow buttons = MakeOkCancelRow(
      this, {Utf8("&O K"), Utf8(Tr("現在の内容でアイテムを設定し終了します。"))},
      {Utf8(Tr("キャンセル(&C)")), Utf8(Tr("現在の内容を破棄して設定を終了します。"))});
  top->Add(buttons.sizer, wxSizerFlags().Right().Border());
  SetSizer(top);
}

void ItemEntryDialog::ShowMethod() {
  const bool bulk = bulk_->GetValue();
  columnChoice_->Enable(!bulk);
  field_->Enable(!bulk);
  bulkText_->Enable(bulk);
}

void ItemEntryDialog::StoreField() {
  if (current_ < Columns()) values_[current_] = TextFromWx(field_->GetValue());
}

void ItemEntryDialog::LoadCurrentItem() {
  const LoadedItem item = LoadItem(context_.doc->Data().items, walk_->Current(), Columns());
  values_ = item.values;
  loadedImage_ = item.imagePath;
  current_ = 0;
  columnChoice_->SetSelection(0);
  field_->ChangeValue(values_.empty() ? wxString() : ToWx(values_[0]));
  previousBulk_ = item.bulk;
  bulkText_->ChangeValue(ToWx(item.bulk));
  countLine_->SetLabel(Utf8(FieldCountLabel(Columns())));
  image_->ChangeValue(ToWx(item.imagePath));
}

void ItemEntryDialog::ClearEntry() {
  for (std::string& value : values_) value.clear();
  field_->ChangeValue(wxString());
  previousBulk_.clear();
  bulkText_->ChangeValue(wxString());
  countLine_->SetLabel(Utf8(FieldCountLabel(0)));
  image_->ChangeValue(wxString());
}

void ItemEntryDialog::OnColumnChosen(wxCommandEvent&) {
  StoreField();
  current_ = std::max(columnChoice_->GetSelection(), 0);
  field_->ChangeValue(current_ < Columns() ? ToWx(values_[current_]) : wxString());
}

void ItemEntryDialog::OnMethod(wxCommandEvent&) { ShowMethod(); }

void ItemEntryDialog::OnBulkText(wxCommandEvent&) {
  const BulkEdit edit = CheckBulkEdit(TextFromWx(bulkText_->GetValue()), previousBulk_, Columns());
  if (edit.refused) {
    ThePrompt().Error(this, Utf8(msg::kTooManyFields));
    bulkText_->ChangeValue(ToWx(edit.text));
    bulkText_->SetInsertionPointEnd();
  }
  previousBulk_ = edit.text;
  countLine_->SetLabel(Utf8(FieldCountLabel(edit.fieldCount)));
}

void ItemEntryDialog::OnChooseImage(wxCommandEvent&) {
  const wxString path = ChooseImageFile(this);
  if (!path.empty()) image_->ChangeValue(path);
}

void ItemEntryDialog::OnOk(wxCommandEvent&) {
  const bool bulk = bulk_->GetValue();
  const std::string bulkText = TextFromWx(bulkText_->GetValue());
  if (!bulk) StoreField();
  switch (CheckEntry(bulk, bulkText, values_)) {
    case EntryProblem::kBulkEmpty: ThePrompt().Error(this, Utf8(msg::kBulkTextEmpty)); return;
    case EntryProblem::kAllFieldsEmpty: ThePrompt().Error(this, Utf8(msg::kAllFieldsEmpty)); return;
    case EntryProblem::kNone: break;
  }
  if (bulk) SplitBulkText(bulkText, values_);
  const std::string imagePath = PathFromWx(image_->GetValue());

  if (!Modifying()) {
    context_.doc->AddItem(values_, imagePath);
    if (!continue_->GetValue()) {
      EndModal(wxID_OK);
      return;
    }
    ClearEntry();
    return;
  }

  const int row = walk_->Current();
  context_.doc->ModifyItem(row, values_,
                           ImagePathChanged(loadedImage_, imagePath) ? &imagePath : nullptr, false,
                           mergeKey_);
  context_.list->Select(row, false);
  if (context_.list->FocusedRow() == row) context_.list->SetFocusedRow(-1);
  walk_->Advance();
  if (walk_->Done()) {
    EndModal(wxID_OK);
    return;
  }
  LoadCurrentItem();
}

void RunAddItem(const ToolContext& context) {
  // The document marks itself modified with each item added or changed.
  ItemEntryDialog dialog(context, {});
  dialog.ShowModal();
}

void RunModifyItems(const ToolContext& context) {
  std::vector<int> rows = context.list->SelectedRows();
  if (rows.empty()) return;
  ItemEntryDialog dialog(context, std::move(rows));
  dialog.ShowModal();
}

}  // namespace listora
