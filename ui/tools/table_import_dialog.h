#pragma once
// The "インポート" dialog: how a CSV or otherwise separated file is read
// (its encoding, its separator, the lines passed over, comment lines, the
// text delimiter, whether its first record names the columns) and where
// its items go (a new document, or after the open document's), with its
// first 20 records shown as they will become items. What it cannot read is
// shown instead, and OK stays disabled. The reading choices are kept in
// the settings file for the next import.

#include <wx/dialog.h>

#include <filesystem>
#include <string>

#include "core/doc/table_import.h"
#include "core/text/text_file.h"

class wxButton;
class wxCheckBox;
class wxChoice;
class wxListCtrl;
class wxRadioButton;
class wxSpinCtrl;
class wxStaticText;
class wxTextCtrl;

namespace listora {

struct Document;
class SettingsFile;

// The encoding the last import was read with (kAuto before any).
TextEncoding RememberedImportEncoding(const SettingsFile& settings);

class TableImportDialog : public wxDialog {
 public:
  enum : int {
    kEncodingChoice = 1101,
    kSeparatorChoice = 1102,
    kHeaderBox = 1103,
    kNewDocumentButton = 1104,
    kAppendButton = 1105,
    kPreviewList = 1106,
    kStatusLabel = 1107,
    kOtherSeparatorText = 1108,
    kSkipSpin = 1109,
    kCommentsBox = 1110,
    kQuoteChoice = 1111,
  };
  // Records the preview shows.
  static constexpr int kPreviewItems = 20;

  // `bytes` are the file's, `text` what they read as with
  // RememberedImportEncoding; `open` is the document the items may follow.
  TableImportDialog(wxWindow* parent, std::string bytes, DecodedText text,
                    std::filesystem::path file, const Document& open, SettingsFile& settings);

  // After OK: the file's text as read, the options to import it with (the
  // columns those of the chosen target), and whether the items go after the
  // open document's.
  const DecodedText& Text() const { return text_; }
  ImportOptions Options() const;
  bool Append() const;

 private:
  ImportChoices Choices() const;
  // The encoding changed: the file is read again.
  void Decode();
  // Any choice changed: the preview and the line under it follow.
  void ShowPreview();
  void ShowColumns(const ImportedTable& preview);
  // The preview shows nothing and the line says why.
  void ShowProblem(const wxString& problem);
  void Remember();

  std::string bytes_;
  std::filesystem::path file_;
  const Document& open_;
  SettingsFile& settings_;
  DecodedText text_;
  // Once the user ticks or clears the header box (now or at an import
  // before), a new reading of the file no longer sets it.
  bool headerChosen_ = false;
  wxChoice* encoding_;
  wxChoice* separator_;
  wxTextCtrl* other_;
  wxSpinCtrl* skip_;
  wxCheckBox* comments_;
  wxChoice* quote_;
  wxCheckBox* header_;
  wxRadioButton* newDocument_;
  wxRadioButton* append_;
  wxListCtrl* preview_;
  wxStaticText* status_;
  wxButton* ok_;
};

}  // namespace listora
