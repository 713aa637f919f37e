#pragma once
// The "インポート" dialog: how a CSV or tab-separated file is read (its
// encoding, its separator, whether its first record names the columns) and
// where its items go (a new document, or after the open document's), with
// its first 20 records shown as they will become items.

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
class wxStaticText;

namespace listora {

struct Document;

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
  };
  // Records the preview shows.
  static constexpr int kPreviewItems = 20;

  // `bytes` are the file's; `open` is the document the items may follow.
  TableImportDialog(wxWindow* parent, std::string bytes, std::filesystem::path file,
                    const Document& open);

  // After OK: the file's text as read, the options to import it with (the
  // columns those of the chosen target), and whether the items go after the
  // open document's.
  const DecodedText& Text() const { return text_; }
  ImportOptions Options() const;
  bool Append() const;

 private:
  // The encoding changed: the file is read again.
  void Decode();
  // Any choice changed: the preview and the line under it follow.
  void ShowPreview();
  void ShowColumns(const ImportedTable& preview);

  std::string bytes_;
  std::filesystem::path file_;
  const Document& open_;
  DecodedText text_;
  // Once the user ticks or clears the header box, a new reading of the file
  // no longer sets it.
  bool headerChosen_ = false;
  wxChoice* encoding_;
  wxChoice* separator_;
  wxCheckBox* header_;
  wxRadioButton* newDocument_;
  wxRadioButton* append_;
  wxListCtrl* preview_;
  wxStaticText* status_;
  wxButton* ok_;
};

}  // namespace listora
