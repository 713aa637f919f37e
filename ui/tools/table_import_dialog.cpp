#include "ui/tools/table_import_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "core/base/message_format.h"
#include "core/base/messages.h"
#include "core/base/settings_file.h"
#include "core/doc/document_file.h"
#include "core/doc/import_messages.h"
#include "ui/base/messages.h"
#include "ui/base/ok_cancel_row.h"
#include "ui/text/text_convert.h"
#include "ui/tools/dialog_support.h"

namespace listora {

namespace {

// The choices' order is that of the enums.
constexpr Text kAutomatic = Tx("自動判別");
constexpr std::string_view kSection = "Import";

wxString ReadAsLine(TextEncoding encoding, char separator) {
  std::string separated;
  switch (separator) {
    case ',': separated = msg::kCommaSeparated; break;
    case '\t': separated = msg::kTabSeparated; break;
    case ';': separated = msg::kSemicolonSeparated; break;
    case ' ': separated = msg::kSpaceSeparated; break;
    default: {
      const std::string format(msg::kOtherSeparatedFormat);
      char text[64];
      std::snprintf(text, sizeof text, format.c_str(), separator);
      separated = text;
    }
  }
  const std::string format(msg::kImportReadAsFormat);
  const std::string name(EncodingName(encoding));
  char line[256];
  std::snprintf(line, sizeof line, format.c_str(), name.c_str(), separated.c_str());
  return Utf8(line);
}

int Remembered(const SettingsFile& settings, std::string_view key, int def, int count) {
  const int value = settings.GetInt(kSection, key, def);
  return value >= 0 && value < count ? value : def;
}

}  // namespace

TextEncoding RememberedImportEncoding(const SettingsFile& settings) {
  return static_cast<TextEncoding>(Remembered(settings, "Encoding", 0, 6));
}

TableImportDialog::TableImportDialog(wxWindow* parent, std::string bytes, DecodedText text,
                                     std::filesystem::path file, const Document& open,
                                     SettingsFile& settings)
    : wxDialog(parent, wxID_ANY, Utf8(msg::kImportTitle), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      bytes_(std::move(bytes)),
      file_(std::move(file)),
      open_(open),
      settings_(settings),
      text_(std::move(text)) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* reading = new wxFlexGridSizer(2, wxSize(8, 6));
  reading->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("文字コード(&E):"))),
               wxSizerFlags().CentreVertical());
  encoding_ = new wxChoice(this, kEncodingChoice);
  encoding_->Append(Utf8(kAutomatic));
  for (std::string_view name : {msg::kEncodingCp932, msg::kEncodingUtf8, msg::kEncodingUtf16,
                                msg::kEncodingEucJp, msg::kEncodingWindows1252})
    encoding_->Append(Utf8(name));
  encoding_->SetSelection(static_cast<int>(RememberedImportEncoding(settings_)));
  encoding_->SetToolTip(
      Utf8(Tr("ファイルの文字コードです。自動判別はBOMと内容から判断し、判別できないときは選択を求"
              "めます")));
  reading->Add(encoding_);

  reading->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("区切り文字(&S):"))),
               wxSizerFlags().CentreVertical());
  auto* separation = new wxBoxSizer(wxHORIZONTAL);
  separator_ = new wxChoice(this, kSeparatorChoice);
  for (const listora::Text& name :
       {kAutomatic, msg::kCommaSeparated, msg::kTabSeparated, msg::kSemicolonSeparated,
        msg::kSpaceSeparated, msg::kOtherSeparator})
    separator_->Append(Utf8(name));
  separator_->SetSelection(Remembered(settings_, "Separator", 0, 6));
  separator_->SetToolTip(Utf8(Tr("フィールドを区切る文字です")));
  other_ = new wxTextCtrl(this, kOtherSeparatorText,
                          Utf8(settings_.GetString(kSection, "Other", "|").substr(0, 1)));
  other_->SetMaxLength(1);
  other_->SetToolTip(Utf8(Tr("「その他」のときに区切りとする1文字です")));
  separation->Add(separator_);
  separation->Add(other_, wxSizerFlags().Border(wxLEFT, 6));
  reading->Add(separation);

  reading->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("読み飛ばす行数(&L):"))),
               wxSizerFlags().CentreVertical());
  skip_ = new wxSpinCtrl(this, kSkipSpin, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                         wxSP_ARROW_KEYS, 0, 1000000, settings_.GetInt(kSection, "Skip", 0));
  skip_->SetToolTip(Utf8(Tr("ファイルの先頭から読み飛ばす行の数です")));
  reading->Add(skip_);

  reading->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("文字列の引用符(&Q):"))),
               wxSizerFlags().CentreVertical());
  quote_ = new wxChoice(this, kQuoteChoice);
  quote_->Append("\"");
  quote_->Append(Utf8(msg::kNoQuote));
  quote_->SetSelection(Remembered(settings_, "Quote", 0, 2));
  quote_->SetToolTip(
      Utf8(Tr("区切り文字や改行を含むフィールドを囲む文字です。なしでは \" も文字です")));
  reading->Add(quote_);
  top->Add(reading, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 10));

  std::string extension = file_.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  comments_ =
      new wxCheckBox(this, kCommentsBox, Utf8(Tr("#で始まる行をコメントとして読み飛ばす(&M)")));
  comments_->SetValue(extension == ".tab");
  comments_->SetToolTip(Utf8(Tr("# で始まる行をアイテムにしません")));
  top->Add(comments_, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 10));

  header_ = new wxCheckBox(this, kHeaderBox, Utf8(Tr("1行目をカラム名にする(&H)")));
  header_->SetToolTip(Utf8(Tr("ファイルの1行目をアイテムにせず、カラム名として使います")));
  const int header = settings_.GetInt(kSection, "Header", -1);
  headerChosen_ = header == 0 || header == 1;
  header_->SetValue(header == 1);
  top->Add(header_, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 10));

  newDocument_ =
      new wxRadioButton(this, kNewDocumentButton, Utf8(Tr("新しいファイルに取り込む(&N)")),
                        wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  newDocument_->SetToolTip(
      Utf8(Tr("ファイルのフィールド数だけカラムを持つ新しいファイルを作ります")));
  append_ = new wxRadioButton(this, kAppendButton, Utf8(Tr("現在のアイテムに追加する(&A)")));
  append_->SetToolTip(Utf8(Tr("現在のカラムのまま、最後のアイテムの後ろに追加します")));
  top->Add(newDocument_, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 10));
  top->Add(append_, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 10));

  top->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("プレビュー(&P):"))),
           wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 10));
  preview_ = new wxListCtrl(this, kPreviewList, wxDefaultPosition, wxSize(560, 260),
                            wxLC_REPORT | wxLC_SINGLE_SEL);
  preview_->SetToolTip(Utf8(Tr("先頭の20アイテムが取り込まれる様子です")));
  top->Add(preview_, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT | wxTOP, 10));
  status_ = new wxStaticText(this, kStatusLabel, wxString());
  top->Add(status_, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, 10));

  const OkCancelRow buttons =
      MakeOkCancelRow(this, {Utf8("&O K"), Utf8(Tr("この設定でアイテムを取り込みます"))},
                      {Utf8(Tr("キャンセル(&C)")), Utf8(Tr("何も取り込まずに閉じます"))});
  ok_ = buttons.ok;
  top->Add(buttons.sizer, wxSizerFlags().Right().Border(wxALL, 10));
  SetSizerAndFit(top);
  ok_->SetDefault();
  CentreOnParent();

  const auto preview = [this](wxCommandEvent&) { ShowPreview(); };
  encoding_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { Decode(); });
  separator_->Bind(wxEVT_CHOICE, preview);
  other_->Bind(wxEVT_TEXT, preview);
  skip_->Bind(wxEVT_SPINCTRL, [this](wxSpinEvent&) { ShowPreview(); });
  comments_->Bind(wxEVT_CHECKBOX, preview);
  quote_->Bind(wxEVT_CHOICE, preview);
  header_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
    headerChosen_ = true;
    ShowPreview();
  });
  newDocument_->Bind(wxEVT_RADIOBUTTON, preview);
  append_->Bind(wxEVT_RADIOBUTTON, preview);
  ok_->Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) {
    Remember();
    event.Skip();
  });
  if (!headerChosen_ && text_.badLine == 0)
    header_->SetValue(ResolveImport(text_.cp932, file_, Choices()).header);
  ShowPreview();
}

ImportChoices TableImportDialog::Choices() const {
  ImportChoices choices;
  choices.separator = static_cast<ImportSeparator>(std::max(separator_->GetSelection(), 0));
  const std::string other = other_->GetValue().utf8_string();
  // Only a single-byte character can separate CP932 text; without one the
  // fields stay whole.
  choices.other = other.size() == 1 && other[0] != '"' ? other[0] : '\n';
  choices.skip = skip_->GetValue();
  choices.comments = comments_->GetValue();
  choices.quotes = quote_->GetSelection() != 1;
  // Unticked before any choice, the box still lets the export layout be
  // found when another reading of the file shows it.
  if (headerChosen_) choices.header = header_->GetValue();
  return choices;
}

ImportOptions TableImportDialog::Options() const {
  ImportOptions options = ResolveImport(text_.cp932, file_, Choices());
  options.header = header_->GetValue();
  if (Append()) options.columns = open_.ColumnCount() - 1;
  return options;
}

bool TableImportDialog::Append() const { return append_->GetValue(); }

void TableImportDialog::Decode() {
  text_ = DecodeTextFile(bytes_, static_cast<TextEncoding>(std::max(encoding_->GetSelection(), 0)));
  if (!headerChosen_ && text_.badLine == 0)
    header_->SetValue(ResolveImport(text_.cp932, file_, Choices()).header);
  ShowPreview();
}

void TableImportDialog::ShowProblem(const wxString& problem) {
  preview_->ClearAll();
  status_->SetLabel(problem);
  ok_->Enable(false);
  Layout();
}

void TableImportDialog::ShowPreview() {
  other_->Enable(separator_->GetSelection() == static_cast<int>(ImportSeparator::kOther));
  if (text_.badLine != 0) {
    wxString problem = Utf8(ImportBadBytesMessage(text_.badLine, text_.encoding));
    std::string readers;
    for (TextEncoding encoding : text_.readers)
      readers += std::string(readers.empty() ? "" : Tr("、")) + std::string(EncodingName(encoding));
    if (!readers.empty())
      problem += '\n' + Utf8(FormatMessage(msg::kImportReadersFormat, readers.c_str()));
    ShowProblem(problem);
    return;
  }
  ImportOptions options = Options();
  if (options.separator == '\n') {
    ShowProblem(Utf8(msg::kImportOtherSeparatorMissing));
    return;
  }
  options.maxItems = kPreviewItems;
  const ImportedTable preview = ImportRecords(text_.cp932, options);
  if (preview.status == ImportStatus::kUnterminatedQuote) {
    ShowProblem(Utf8(ImportOpenQuoteMessage(preview.errorLine)));
    return;
  }
  if (preview.status == ImportStatus::kStrayQuote) {
    ShowProblem(Utf8(ImportStrayQuoteMessage(preview.errorLine, preview.closingLine)));
    return;
  }
  preview_->ClearAll();
  ShowColumns(preview);
  ItemTable rows;
  preview.AppendTo(rows);
  for (int row = 0; row < rows.GetSize(); ++row) {
    preview_->InsertItem(row, ToWx(rows.Cell(row, 1)));
    for (int c = 2; c <= preview_->GetColumnCount(); ++c)
      preview_->SetItem(row, c - 1, ToWx(rows.Cell(row, c)));
  }
  wxString line = ReadAsLine(text_.encoding, options.separator);
  if (preview.cutNames > 0) line += '\n' + Utf8(ImportNamesCutMessage(preview.cutNames));
  if (preview.leftOut > 0) line += '\n' + Utf8(ImportFieldsLeftOutMessage(preview.leftOut));
  status_->SetLabel(line);
  ok_->Enable(true);
  Layout();
}

void TableImportDialog::Remember() {
  const auto number = [](int value) { return std::to_string(value); };
  const std::string other = other_->GetValue().utf8_string();
  const SettingsFileEntry entries[] = {
      {"Encoding", number(std::max(encoding_->GetSelection(), 0))},
      {"Separator", number(std::max(separator_->GetSelection(), 0))},
      {"Other", other.size() == 1 ? other : std::string()},
      {"Skip", number(skip_->GetValue())},
      {"Quote", number(quote_->GetSelection() == 1 ? 1 : 0)},
      {"Header", number(headerChosen_ ? header_->GetValue() : -1)},
  };
  // A settings file that cannot be written only costs the next import its
  // defaults.
  settings_.WriteSection(kSection, entries);
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
