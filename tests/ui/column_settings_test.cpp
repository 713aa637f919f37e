// The column settings dialog from its command: editing several columns in
// one run, the caption, the width check, Cancel, and what OK applies.

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/doc/document_file.h"
#include "support/test_support.h"
#include "ui/base/command_ids.h"
#include "ui/doc/listora_doc.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/support/dialog_driver.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"
#include "ui/tools/column_settings_dialog.h"
#include "ui/tools/item_entry_dialog.h"

namespace listora::test {
namespace {

using D = ColumnSettingsDialog;
wxString Value(wxDialog& d, int id) { return Control<wxTextCtrl>(d, id)->GetValue(); }
wxString Caption(wxDialog& d) { return Control<wxStaticBox>(d, D::kFrame)->GetLabel(); }

TEST(ColumnSettingsDialog, EditsSeveralColumnsAndAppliesOnOk) {
  StartWithColumns(3);
  DragColumnBorder(2, 140);
  OnNextDialog([](wxDialog& d) {
    EXPECT_EQ(d.GetTitle(), U("カラムの設定"));
    EXPECT_EQ(Caption(d), U("No.1の設定"));
    EXPECT_EQ(Value(d, D::kNameEdit), "No.1");
    EXPECT_EQ(Value(d, D::kWidthEdit), "100");
    Type(d, D::kNameEdit, U("題名"));
    Type(d, D::kWidthEdit, "150");
    Tick(d, D::kRightCheck, true);
    EXPECT_TRUE(Control<wxTextCtrl>(d, D::kNameEdit)->HasFlag(wxTE_RIGHT));
    Choose(d, D::kColumnChoice, 1);
    EXPECT_EQ(Caption(d), U("No.2の設定"));
    EXPECT_EQ(Value(d, D::kWidthEdit), "140");
    EXPECT_FALSE(Control<wxTextCtrl>(d, D::kNameEdit)->HasFlag(wxTE_RIGHT));
    // A width that is no number keeps the column and the dialog.
    Type(d, D::kWidthEdit, "");
    Choose(d, D::kColumnChoice, 0);
    EXPECT_EQ(Script().asked.back().text, U("正の整数を入力してください。"));
    EXPECT_EQ(Caption(d), U("No.2の設定"));
    EXPECT_EQ(Control<wxChoice>(d, D::kColumnChoice)->GetSelection(), 1);
    // Nor does one wider than the list can draw, with the same message.
    for (const char* wide : {"2147483647", "4001"}) {
      Script().Reset();
      Type(d, D::kWidthEdit, wide);
      Choose(d, D::kColumnChoice, 0);
      EXPECT_EQ(Script().Kinds(), std::vector<std::string>{"error"}) << wide;
      EXPECT_EQ(Script().asked.back().text, U("正の整数を入力してください。"));
    }
    // The field takes digits only, and passes Alt+letter on to the
    // buttons' mnemonics.
    wxTextCtrl& width = *Control<wxTextCtrl>(d, D::kWidthEdit);
    const auto handled = [&](int key, int modifiers) {
      wxKeyEvent event(wxEVT_CHAR);
      event.m_keyCode = key;
      event.m_uniChar = key;
      event.m_altDown = (modifiers & wxMOD_ALT) != 0;
      event.SetEventObject(&width);
      return width.GetEventHandler()->ProcessEvent(event);
    };
    EXPECT_TRUE(handled('c', wxMOD_NONE));
    EXPECT_FALSE(handled('7', wxMOD_NONE));
    for (const int key : {'s', 'c', 'r', 'n'}) EXPECT_FALSE(handled(key, wxMOD_ALT)) << key;
    Type(d, D::kWidthEdit, "90");
    Choose(d, D::kColumnChoice, 0);
    // The caption keeps the name the column had when the dialog opened.
    EXPECT_EQ(Caption(d), U("No.1の設定"));
    EXPECT_EQ(Value(d, D::kNameEdit), U("題名"));
    EXPECT_TRUE(Control<wxCheckBox>(d, D::kRightCheck)->GetValue());
    Choose(d, D::kColumnChoice, 2);
    // A name longer than the document keeps is cut, and the user told so.
    Type(d, D::kNameEdit, wxString('n', 120));
    Click(d, wxID_OK);
    EXPECT_EQ(Script().asked.back().text,
              U("カラム名は99バイトまでのため、超えた部分を切り詰めました。"));
    EXPECT_EQ(Value(d, D::kNameEdit), wxString('n', 99));
    Type(d, D::kNameEdit, "");  // an empty name is taken
    Type(d, D::kWidthEdit, "0");
    Click(d, wxID_OK);  // applies the column being edited too
  });
  SendCommand(cmd::kColumnSettings);
  EXPECT_EQ(PendingDialogSteps(), 0);
  const ColumnDescriptors& columns = TheData().settings.columns;
  EXPECT_EQ(FixedText(columns.names[1]), test::Sj("題名"));
  EXPECT_EQ(columns.widths[1], 150);
  EXPECT_EQ(columns.formats[1], 0x801);  // header icons are shown by default
  EXPECT_EQ(columns.widths[2], 90);
  EXPECT_EQ(columns.formats[2], 0x800);
  EXPECT_EQ(FixedText(columns.names[3]), "");
  EXPECT_EQ(columns.widths[3], 0);
  EXPECT_EQ(TheList().ColumnTitle(1), U("題名"));
  EXPECT_EQ(TheList().GetColumnWidth(1), 150);
  EXPECT_TRUE(CurrentDoc().IsModified());
}

TEST(ColumnSettingsDialog, LongColumnNamesKeepTheDialogsWithinTheSmallestWindow) {
  StartWithColumns(2);
  std::string name;
  for (int i = 0; i < 49; ++i) name += "名";
  SetFixedText(TheData().settings.columns.names[1], test::Sj(name));
  CurrentDoc().Changed(DocHint::Kind::kColumns);
  Pump();
  // The label is cut, and the tool tip holds all of it.
  OnNextDialog([&](wxDialog& d) {
    EXPECT_LE(d.GetSize().x, 860);
    auto& frame = *Control<wxStaticBox>(d, D::kFrame);
    EXPECT_NE(frame.GetLabel(), U(name.c_str()) + U("の設定"));
    EXPECT_EQ(frame.GetToolTipText(), U(name.c_str()) + U("の設定"));
    Click(d, wxID_CANCEL);
  });
  SendCommand(cmd::kColumnSettings);
  OnNextDialog([&](wxDialog& d) {
    EXPECT_LE(d.GetSize().x, 860);
    auto& names = *Control<wxStaticText>(d, ItemEntryDialog::kNameLine);
    EXPECT_TRUE(names.GetToolTipText().StartsWith(U(name.c_str()) + "/No.2\n"));
    Click(d, wxID_CANCEL);
  });
  SendCommand(cmd::kAddItem);
  EXPECT_EQ(PendingDialogSteps(), 0);
}

TEST(ColumnSettingsDialog, CancelChangesNothing) {
  StartWithColumns(2);
  OnNextDialog([](wxDialog& d) {
    Type(d, D::kNameEdit, "changed");
    Choose(d, D::kColumnChoice, 1);
    Click(d, wxID_CANCEL);
  });
  SendCommand(cmd::kColumnSettings);
  EXPECT_EQ(FixedText(TheData().settings.columns.names[1]), "No.1");
  EXPECT_FALSE(CurrentDoc().IsModified());
}

}  // namespace
}  // namespace listora::test
