#pragma once
// Automatic insertion: `AutoInsertDialog` sets up what goes into each column
// for every file of a folder; `SerialNumberDialog` sets the serial number
// text; `InsertAttributesDialog` which kinds of file are taken.

#include <wx/dialog.h>

#include "core/doc/document_settings.h"
#include "ui/tools/tool_dialog.h"

class wxButton;
class wxCheckBox;
class wxChoice;
class wxStaticText;
class wxTextCtrl;

namespace listora {

struct ProgramState;

class SerialNumberDialog : public wxDialog {
 public:
  enum : int { kTextEdit = 1114, kStartEdit = 1115, kDigitsChoice = 1116 };
  SerialNumberDialog(wxWindow* parent, const AutoInsertSettings& settings);
  // On OK: the serial text, start number and digits.
  void Store(AutoInsertSettings& settings) const;

 private:
  void OnOk(wxCommandEvent& event);
  wxTextCtrl* text_;
  wxTextCtrl* start_;
  wxChoice* digits_;
  std::int32_t startNumber_ = 0;
};

class InsertAttributesDialog : public wxDialog {
 public:
  enum : int {
    kNormalCheck = 1127,
    kReadOnlyCheck = 1128,
    kSystemCheck = 1129,
    kHiddenCheck = 1130
  };
  // The choices are the settings file's; OK writes them there and
  // derives the program's skip mask again.
  InsertAttributesDialog(wxWindow* parent, ProgramState& program);

 private:
  void OnOk(wxCommandEvent& event);
  ProgramState& program_;
  wxCheckBox* readOnly_;
  wxCheckBox* system_;
  wxCheckBox* hidden_;
};

class AutoInsertDialog : public ToolDialog {
 public:
  enum : int {
    kFolderEdit = 1018,
    kExtensionEdit = 1019,
    kBrowseButton = 1020,
    kColumnChoice = 1021,
    kKindChoice = 1022,
    kInputEdit = 1023,
    kSubFoldersCheck = 1024,
    kDefaultsButton = 1025,
    kSample = 1026,
    kStoreOnlyButton = 1027,
    kInputLabel = 1118,
    kSerialButton = 1119,
    kAttributesButton = 1126,
  };
  // ShowModal's result for "設定して終了".
  static constexpr int kStoredOnly = kStoreOnlyButton;

  explicit AutoInsertDialog(const ToolContext& context);

  // The document's settings as the dialog ended: "取り込み" stores them
  // with the run, "設定して終了" at once.
  const AutoInsertSettings& Chosen() const { return chosen_; }

 private:
  void CreateControls();
  void ShowColumn();
  void ShowKind();
  // The controls into the working settings.
  void ReadControls();
  // "取り込み" and "設定して終了": false after the message when the folder
  // text is empty.
  bool Choose();
  // Section "Auto" of the settings file: the defaults of new documents.
  void WriteDefaults();

  void OnColumnChosen(wxCommandEvent& event);
  void OnKindChosen(wxCommandEvent& event);
  void OnInputText(wxCommandEvent& event);
  void OnBrowse(wxCommandEvent& event);
  void OnAttributes(wxCommandEvent& event);
  void OnSerial(wxCommandEvent& event);
  void OnDefaults(wxCommandEvent& event);
  void OnInsert(wxCommandEvent& event);
  void OnStoreOnly(wxCommandEvent& event);

  AutoInsertSettings working_;
  AutoInsertSettings chosen_;
  int userColumns_;
  wxTextCtrl* folder_ = nullptr;
  wxTextCtrl* extension_ = nullptr;
  wxCheckBox* subFolders_ = nullptr;
  wxChoice* column_ = nullptr;
  wxChoice* kind_ = nullptr;
  wxStaticText* inputLabel_ = nullptr;
  wxTextCtrl* input_ = nullptr;
  wxButton* serial_ = nullptr;
  wxStaticText* sample_ = nullptr;
};

// Command "自動挿入".
void RunAutoInsert(const ToolContext& context);

}  // namespace listora
