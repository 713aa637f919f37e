#include "ui/tools/table_import_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>
#include <cstdio>

#include "core/base/messages.h"
#include "core/doc/document_file.h"
#include "core/doc/import_messages.h"
#include "ui/base/messages.h"
#include "ui/text/text_convert.h"
#include "ui/tools/dialog_support.h"

namespace listora {

namespace {

// The choices' order is that of the enums.
const char* const kAutomatic = "自動判別";

wxString ReadAsLine(TextEncoding encoding, char separator) {
  const std::string format(msg::kImportReadAsFormat);
  const std::string name(EncodingName(encoding));
  const std::string separated(separator == '\t' ? msg::kTabSeparated : msg::kCommaSeparated);
  char line[256];
  std::snprintf(line, sizeof line, format.c_str(), name.c_str(), separated.c_str());
  return Utf8(line);
}

}  // namespace

TableImportDialog::TableImportDialog(wxWindow* parent, std::string bytes,
                                     std::filesystem::path file, const Document& open)
    : wxDialog(parent, wxID_ANY, Utf8(msg::kImportTitle), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      bytes_(std::move(bytes)),
      file_(std::move(file)),
      open_(open) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* reading = new wxFlexGridSizer(2, wxSize(8, 6));
  reading->Add(new wxStaticText(this, wxID_ANY, Utf8("文字コード(&E):")),
               wxSizerFlags().CentreVertical());
  encoding_ = new wxChoice(this, kEncodingChoice);
  encoding_->Append(Utf8(kAutomatic));
  for (std::string_view name : {msg::kEncodingCp932, msg::kEncodingUtf8, msg::kEncodingUtf16})
    encoding_->Append(Utf8(name));
  encoding_->SetSelection(0);
  encoding_->SetToolTip(Utf8("ファイルの文字コードです。自動判別はBOMと内容から判断します"));
  reading->Add(encoding_);
  reading->Add(new wxStaticText(this, wxID_ANY, Utf8("区切り文字(&S):")),
               wxSizerFlags().CentreVertical());
  separator_ = new wxChoice(this, kSeparatorChoice);
  for (std::string_view name :
       {std::string_view(kAutomatic), msg::kCommaSeparated, msg::kTabSeparated})
    separator_->Append(Utf8(name));
  separator_->SetSelection(0);
  separator_->SetToolTip(Utf8("フィールドを区切る文字です"));
  reading->Add(separator_);
  top->Add(reading, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 10));

  header_ = new wxCheckBox(this, kHeaderBox, Utf8("1行目をカラム名にする(&H)"));
  header_->SetToolTip(Utf8("ファイルの1行目をアイテムにせず、カラム名として使います"));
  top->Add(header_, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 10));

  newDocument_ = new wxRadioButton(this, kNewDocumentButton, Utf8("新しいファイルに取り込む(&N)"),
                                   wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  newDocument_->SetToolTip(Utf8("ファイルのフィールド数だけカラムを持つ新しいファイルを作ります"));
  append_ = new wxRadioButton(this, kAppendButton, Utf8("現在のアイテムに追加する(&A)"));
  append_->SetToolTip(Utf8("現在のカラムのまま、最後のアイテムの後ろに追加します"));
  top->Add(newDocument_, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 10));
  top->Add(append_, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 10));

  top->Add(new wxStaticText(this, wxID_ANY, Utf8("プレビュー(&P):")),
           wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 10));
  preview_ = new wxListCtrl(this, kPreviewList, wxDefaultPosition, wxSize(560, 260),
                            wxLC_REPORT | wxLC_SINGLE_SEL);
  preview_->SetToolTip(Utf8("先頭の20アイテムが取り込まれる様子です"));
  top->Add(preview_, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT | wxTOP, 10));
  status_ = new wxStaticText(this, kStatusLabel, wxString());
  top->Add(status_, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, 10));

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  ok_ = new wxButton(this, wxID_OK, Utf8("&O K"));
  ok_->SetToolTip(Utf8("この設定でアイテムを取り込みます"));
  auto* cancel = new wxButton(this, wxID_CANCEL, Utf8("キャンセル(&C)"));
  cancel->SetToolTip(Utf8("何も取り込まずに閉じます"));
  buttons->Add(ok_, wxSizerFlags().Border(wxRIGHT));
  buttons->Add(cancel);
  top->Add(buttons, wxSizerFlags().Right().Border(wxALL, 10));
  SetSizerAndFit(top);
  ok_->SetDefault();
  CentreOnParent();

  encoding_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { Decode(); });
  separator_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { ShowPreview(); });
  header_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
    headerChosen_ = true;
    ShowPreview();
  });
  newDocument_->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { ShowPreview(); });
  append_->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { ShowPreview(); });
  Decode();
}

ImportOptions TableImportDialog::Options() const {
  ImportOptions options;
  options.separator = ChooseSeparator(
      text_.cp932, file_, static_cast<ImportSeparator>(std::max(separator_->GetSelection(), 0)));
  options.header = header_->GetValue();
  if (Append()) options.columns = open_.ColumnCount() - 1;
  return options;
}

bool TableImportDialog::Append() const { return append_->GetValue(); }

void TableImportDialog::Decode() {
  text_ = DecodeTextFile(bytes_, static_cast<TextEncoding>(std::max(encoding_->GetSelection(), 0)));
  if (!headerChosen_ && text_.badLine == 0)
    header_->SetValue(IsExportLayout(text_.cp932, Options().separator));
  ShowPreview();
}

void TableImportDialog::ShowPreview() {
  preview_->ClearAll();
  if (text_.badLine != 0) {
    status_->SetLabel(Utf8(ImportBadBytesMessage(text_.badLine, text_.encoding)));
    ok_->Enable(false);
    return;
  }
  ImportOptions options = Options();
  options.maxItems = kPreviewItems;
  const ImportedTable preview = ImportRecords(text_.cp932, options);
  if (preview.status == ImportStatus::kUnterminatedQuote) {
    status_->SetLabel(Utf8(ImportOpenQuoteMessage(preview.errorLine)));
    ok_->Enable(false);
    return;
  }
  ShowColumns(preview);
  ItemTable rows;
  preview.AppendTo(rows);
  for (int row = 0; row < rows.GetSize(); ++row) {
    preview_->InsertItem(row, ToWx(rows.Cell(row, 1)));
    for (int c = 2; c <= preview_->GetColumnCount(); ++c)
      preview_->SetItem(row, c - 1, ToWx(rows.Cell(row, c)));
  }
  wxString line = ReadAsLine(text_.encoding, options.separator);
  if (preview.leftOut > 0) line += '\n' + Utf8(ImportFieldsLeftOutMessage(preview.leftOut));
  status_->SetLabel(line);
  ok_->Enable(true);
  Layout();
}

void TableImportDialog::ShowColumns(const ImportedTable& preview) {
  ColumnDescriptors columns = open_.settings.columns;
  if (!Append()) {
    for (int c = 1; c < kMaxColumns; ++c) SetDefaultColumn(columns, c);
    SetImportedColumns(preview, columns);
  }
  for (int c = 1; c < ClampColumnCount(columns.count); ++c)
    preview_->AppendColumn(ToWx(FixedText(columns.names[c])), wxLIST_FORMAT_LEFT,
                           std::clamp(columns.widths[c], 40, 200));
}

}  // namespace listora
