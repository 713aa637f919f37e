#include "ui/tools/column_settings_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/weakref.h>

#include "core/base/messages.h"
#include "core/base/number_entry.h"
#include "core/doc/columns.h"
#include "core/doc/document_settings.h"
#include "core/text/fixed_text.h"
#include "ui/base/messages.h"
#include "ui/base/ok_cancel_row.h"
#include "ui/base/prompt.h"
#include "ui/doc/listora_doc.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/text/text_convert.h"
#include "ui/tools/dialog_support.h"

namespace listora {

namespace {}  // namespace

ColumnSettingsDialog::ColumnSettingsDialog(wxWindow* parent, std::vector<ColumnSetting> columns)
    : wxDialog(parent, wxID_ANY, Utf8(Tr("カラムの設定"))), working_(std::move(columns)) {
  for (const ColumnSetting& column : working_) openingNames_.push_back(column.name);

  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* chooser = new wxBoxSizer(wxHORIZONTAL);
  chooser->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("カラムの選択(&A)"))),
               wxSizerFlags().CentreVertical().Border(wxRIGHT));
  choice_ = new wxChoice(this, kColumnChoice);
  for (const std::string& name : openingNames_) choice_->Append(ToWx(name));
  choice_->SetSelection(0);
  choice_->SetToolTip(Utf8(Tr("設定するカラムを選択してください")));
  LimitChoiceWidth(*choice_);
  chooser->Add(choice_, wxSizerFlags(1).CentreVertical());
  top->Add(chooser, wxSizerFlags().Expand().Border());

  auto* frameSizer = new wxStaticBoxSizer(wxVERTICAL, this, Utf8("No.1"));
  frame_ = frameSizer->GetStaticBox();
  frame_->SetId(kFrame);
  auto* grid = new wxFlexGridSizer(2, wxSize(8, 6));
  grid->AddGrowableCol(1);
  grid->Add(new wxStaticText(frame_, wxID_ANY, Utf8(Tr("カラム名(&N)"))),
            wxSizerFlags().CentreVertical());
  name_ = new wxTextCtrl(frame_, kNameEdit, wxString(), wxDefaultPosition, wxSize(200, -1));
  name_->SetToolTip(Utf8(Tr("カラム名を入力してください")));
  grid->Add(name_, wxSizerFlags().Expand());
  grid->Add(new wxStaticText(frame_, wxID_ANY, Utf8(Tr("カラム幅(&W)"))),
            wxSizerFlags().CentreVertical());
  width_ = new wxTextCtrl(frame_, kWidthEdit, wxString(), wxDefaultPosition, wxSize(80, -1));
  AcceptDigitsOnly(*width_);
  width_->SetToolTip(Utf8(Tr("カラム幅を入力してください")));
  grid->Add(width_);
  frameSizer->Add(grid, wxSizerFlags().Expand().Border());
  right_ = new wxCheckBox(frame_, kRightCheck, Utf8(Tr("　数値入力用(右寄せ)(&R)")));
  right_->SetToolTip(Utf8(Tr("数値用に右寄せする場合チェックしてください")));
  frameSizer->Add(right_, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxBOTTOM));
  top->Add(frameSizer, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT));

  const OkCancelRow buttons = MakeOkCancelRow(
      this, {Utf8(Tr("設　定(&S)")), Utf8(Tr("現在の内容で設定し終了します"))},
      {Utf8(Tr("キャンセル(&C)")), Utf8(Tr("現在の内容を破棄して設定を終了します"))});
  top->Add(buttons.sizer, wxSizerFlags().Right().Border());
  SetSizerAndFit(top);

  ShowColumn();
  SwallowEnter(*this);
  Bind(wxEVT_CHOICE, &ColumnSettingsDialog::OnColumnChosen, this, kColumnChoice);
  Bind(wxEVT_CHECKBOX, &ColumnSettingsDialog::OnRightAligned, this, kRightCheck);
  Bind(wxEVT_BUTTON, &ColumnSettingsDialog::OnOk, this, wxID_OK);
  Bind(wxEVT_BUTTON, &ColumnSettingsDialog::OnCancel, this, wxID_CANCEL);
  CentreOnParent();
}

void ColumnSettingsDialog::ShowColumn() {
  if (working_.empty()) return;
  const ColumnSetting& column = working_[current_];
  // The caption keeps the name the column had when the dialog opened.
  SetUserLabel(*frame_, wxString::Format(Utf8(Tr("%sの設定")), ToWx(openingNames_[current_])),
               wxString());
  name_->ChangeValue(ToWx(column.name));
  width_->ChangeValue(wxString::Format("%d", column.width));
  right_->SetValue(column.rightAligned);
  AlignName();
}

void ColumnSettingsDialog::AlignName() {
  long style = name_->GetWindowStyleFlag() & ~(wxTE_LEFT | wxTE_RIGHT);
  name_->SetWindowStyleFlag(style | (right_->GetValue() ? wxTE_RIGHT : wxTE_LEFT));
  name_->Refresh();
}

bool ColumnSettingsDialog::StoreColumn() {
  if (working_.empty()) return true;
  // A width too wide to draw is refused with the same message as text that
  // is no number.
  const NumberEntry width = ParseUnsignedEntry(TextFromWx(width_->GetValue()), 0, kMaxColumnWidth);
  if (!width.ok()) {
    ThePrompt().Error(this, Utf8(msg::kPositiveNumberWanted));
    width_->SetFocus();
    return false;
  }
  // A name longer than the document's field is cut there, and the user
  // sees where before it is taken.
  const std::string name = TextFromWx(name_->GetValue());
  if (name.size() >= kColumnNameSize) {
    char field[kColumnNameSize];
    SetFixedText(field, name);
    name_->ChangeValue(ToWx(FixedText(field)));
    ThePrompt().Error(this, Utf8(msg::kColumnNameCut));
    name_->SetFocus();
    return false;
  }
  ColumnSetting& column = working_[current_];
  column.name = name;
  column.width = width.value;
  column.rightAligned = right_->GetValue();
  return true;
}

void ColumnSettingsDialog::OnColumnChosen(wxCommandEvent&) {
  if (!StoreColumn()) {
    choice_->SetSelection(current_);
    return;
  }
  current_ = std::max(choice_->GetSelection(), 0);
  ShowColumn();
}

void ColumnSettingsDialog::OnRightAligned(wxCommandEvent&) {
  AlignName();
  if (!working_.empty()) working_[current_].rightAligned = right_->GetValue();
}

void ColumnSettingsDialog::OnOk(wxCommandEvent&) {
  if (StoreColumn()) EndModal(wxID_OK);
}

void ColumnSettingsDialog::OnCancel(wxCommandEvent&) { EndModal(wxID_CANCEL); }

void RunColumnSettings(const ToolContext& context) {
  std::vector<ColumnSetting> columns = GetColumnSettings(context.doc->Data().settings.columns);
  // Widths dragged in the header are what the dialog shows.
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const int shown = context.list->GetColumnWidth(static_cast<int>(i) + 1);
    if (shown > 0) columns[i].width = shown;
  }
  // The dialog holds no document: whether its own is still open is asked
  // when it ends.
  const wxWeakRef<ListoraDoc> doc = context.doc;
  ColumnSettingsDialog dialog(context.owner, std::move(columns));
  if (dialog.ShowModal() == wxID_OK && doc) doc->SetColumnSettings(dialog.Columns());
}

}  // namespace listora
