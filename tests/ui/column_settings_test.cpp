// The column settings dialog from its command: editing several columns in
// one run, the caption, the width check, Cancel, and what OK applies.

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>

#include "core/doc/document_file.h"
#include "support/test_support.h"
#include "ui/base/command_ids.h"
#include "ui/doc/listora_doc.h"
#include "ui/support/dialog_driver.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"
#include "ui/tools/columns_dlg.h"
#include "ui/views/item_list_ctrl.h"

namespace listora::test {
namespace {

using D = CColumnSettingsDlg;
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
    Type(d, D::kWidthEdit, "90");
    Choose(d, D::kColumnChoice, 0);
    // The caption keeps the name the column had when the dialog opened.
    EXPECT_EQ(Caption(d), U("No.1の設定"));
    EXPECT_EQ(Value(d, D::kNameEdit), U("題名"));
    EXPECT_TRUE(Control<wxCheckBox>(d, D::kRightCheck)->GetValue());
    Choose(d, D::kColumnChoice, 2);
    Type(d, D::kNameEdit, "");  // an empty name is taken
    Click(d, wxID_OK);          // applies the column being edited too
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
  EXPECT_EQ(TheList().ColumnTitle(1), U("題名"));
  EXPECT_EQ(TheList().GetColumnWidth(1), 150);
  EXPECT_TRUE(CurrentDoc().IsModified());
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
