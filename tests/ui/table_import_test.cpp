// Import of CSV and tab-separated text through the running application: the
// command and its chooser, the dialog's preview following the encoding and
// header choices, a new document and an append, and a cancelled import.

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/stattext.h>

#include "core/doc/document_file.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/base/command_ids.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/support/dialog_driver.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"
#include "ui/tools/table_import_dialog.h"

namespace listora::test {
namespace {

using D = TableImportDialog;
using Kinds = std::vector<std::string>;
using Rows = std::vector<std::vector<std::string>>;

wxString U(const char* utf8) { return wxString::FromUTF8(utf8); }

// The preview's column headers, then its rows, in UTF-8.
Rows Preview(wxDialog& d) {
  auto* list = Control<wxListCtrl>(d, D::kPreviewList);
  Rows rows(1);
  for (int c = 0; c < list->GetColumnCount(); ++c) {
    wxListItem header;
    header.SetMask(wxLIST_MASK_TEXT);
    list->GetColumn(c, header);
    rows[0].push_back(header.GetText().utf8_string());
  }
  for (int row = 0; row < list->GetItemCount(); ++row) {
    auto& cells = rows.emplace_back();
    for (int c = 0; c < list->GetColumnCount(); ++c)
      cells.push_back(list->GetItemText(row, c).utf8_string());
  }
  return rows;
}

std::string Status(wxDialog& d) {
  return Control<wxStaticText>(d, D::kStatusLabel)->GetLabel().utf8_string();
}

bool OkEnabled(wxDialog& d) { return Control<wxButton>(d, wxID_OK)->IsEnabled(); }

void ImportFile(const std::filesystem::path& file) {
  Script().openFiles = {wxString::FromUTF8(file.string())};
  SendCommand(cmd::kImport);
}

TEST(TableImport, TheFileMenusCommandMakesANewDocumentOfTheFile) {
  StartFresh();
  wxMenuBar* bar = App().Frame()->GetMenuBar();
  wxMenu* file = bar->GetMenu(0);
  const wxMenuItem* item = bar->FindItem(cmd::kImport);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->GetItemLabel(), U("インポート(&I)..."));
  EXPECT_EQ(item->GetHelp(), U("CSVファイルやテキストファイルからアイテムを取り込みます"));
  EXPECT_EQ(file->FindItemByPosition(3)->GetId(), cmd::kImport);
  EXPECT_EQ(file->FindItemByPosition(2)->GetId(), cmd::kAppendOpen);

  TempDir dir;
  WriteAll(dir / "fruit.csv", Sj("\"名前\",\"数\"\r\n\r\n\"りんご\",\"3\"\r\n\"なし\",\"\"\r\n"));
  OnNextDialog([](wxDialog& d) {
    EXPECT_EQ(d.GetTitle(), U("インポート"));
    // The program's own export: its names are taken.
    EXPECT_TRUE(Control<wxCheckBox>(d, D::kHeaderBox)->GetValue());
    EXPECT_EQ(Preview(d), (Rows{{"名前", "数"}, {"りんご", "3"}, {"なし", ""}}));
    EXPECT_EQ(Status(d), "Shift_JIS、カンマ区切りで読み込みます。");
    Click(d, wxID_OK);
  });
  ImportFile(dir / "fruit.csv");
  EXPECT_EQ(PendingDialogSteps(), 0);
  ASSERT_EQ(Script().Kinds(), Kinds{"open"});
  EXPECT_EQ(Script().asked[0].text, U("インポート"));
  EXPECT_EQ(TheData().ColumnCount(), 3);
  EXPECT_EQ(FixedText(TheData().settings.columns.names[1]), Sj("名前"));
  EXPECT_EQ(ColumnOf(1), (std::vector<std::string>{"りんご", "なし"}));
  EXPECT_EQ(TheList().GetItemCount(), 2);
  EXPECT_TRUE(CurrentDoc().IsModified());
}

TEST(TableImport, ThePreviewFollowsTheEncodingAndHeaderChoices) {
  StartFresh();
  TempDir dir;
  WriteAll(dir / "list.csv", "\xE5\x90\x8D,x\n\xE3\x81\x82,\xF0\x9F\x98\x80\n");  // 名,x / あ,😀
  OnNextDialog([](wxDialog& d) {
    EXPECT_FALSE(Control<wxCheckBox>(d, D::kHeaderBox)->GetValue());
    EXPECT_EQ(Preview(d), (Rows{{"No.1", "No.2"}, {"名", "x"}, {"あ", "😀"}}));
    EXPECT_EQ(Status(d), "UTF-8、カンマ区切りで読み込みます。");
    Tick(d, D::kHeaderBox, true);
    EXPECT_EQ(Preview(d), (Rows{{"名", "x"}, {"あ", "😀"}}));
    // Read as the code page the bytes are not: refused with their line.
    Choose(d, D::kEncodingChoice, 1);
    EXPECT_EQ(Preview(d), Rows{{}});
    EXPECT_EQ(Status(d),
              "1 行目に Shift_JIS として読めない文字があります。\n"
              "この文字コードで読めます: UTF-8、Windows-1252");
    EXPECT_FALSE(OkEnabled(d));
    Choose(d, D::kEncodingChoice, 2);
    EXPECT_TRUE(Control<wxCheckBox>(d, D::kHeaderBox)->GetValue());
    EXPECT_EQ(Preview(d), (Rows{{"名", "x"}, {"あ", "😀"}}));
    Choose(d, D::kSeparatorChoice, 2);  // tabs: one field a line
    EXPECT_EQ(Preview(d), (Rows{{"名,x"}, {"あ,😀"}}));
    EXPECT_TRUE(OkEnabled(d));
    Click(d, wxID_CANCEL);
  });
  ImportFile(dir / "list.csv");
  EXPECT_EQ(PendingDialogSteps(), 0);
  EXPECT_FALSE(CurrentDoc().IsModified());
  EXPECT_EQ(TheList().GetItemCount(), 0);
}

TEST(TableImport, WhatCannotBeReadIsShownAndTheChoicesAreRemembered) {
  StartFresh();
  TempDir dir;
  // UTF-8 but for one Latin-1 byte: the automatic reading does not guess.
  WriteAll(dir / "mixed.csv", "\xE5\x90\x8D\xE5\x89\x8D;x\r\nCaf\xE9;1,5\r\n");
  WriteAll(dir / "stray.csv", "a,\"b\r\nc,d\r\ne,\"f\"\r\n");
  OnNextDialog([](wxDialog& d) {
    EXPECT_EQ(Preview(d), Rows{{}});
    EXPECT_EQ(Status(d),
              "2 行目に UTF-8 として読めない文字があります。\n"
              "この文字コードで読めます: Windows-1252");
    EXPECT_FALSE(OkEnabled(d));
    Choose(d, D::kEncodingChoice, 5);
    EXPECT_EQ(Status(d), "Windows-1252、セミコロン区切りで読み込みます。");
    EXPECT_EQ(Preview(d)[2], (std::vector<std::string>{"Café", "1,5"}));
    Tick(d, D::kHeaderBox, true);
    EXPECT_EQ(Preview(d)[1], (std::vector<std::string>{"Café", "1,5"}));
    Click(d, wxID_OK);
  });
  ImportFile(dir / "mixed.csv");
  EXPECT_EQ(ColumnOf(1), std::vector<std::string>{"Café"});
  OnNextDialog([](wxDialog& d) {
    EXPECT_EQ(Control<wxChoice>(d, D::kEncodingChoice)->GetSelection(), 5);
    EXPECT_TRUE(Control<wxCheckBox>(d, D::kHeaderBox)->GetValue());
    Choose(d, D::kEncodingChoice, 0);
    Choose(d, D::kQuoteChoice, 1);
    EXPECT_EQ(Preview(d), (Rows{{"a", "\"b"}, {"c", "d"}, {"e", "\"f\""}}));
    Choose(d, D::kQuoteChoice, 0);
    EXPECT_EQ(Preview(d), Rows{{}});
    EXPECT_EQ(Status(d),
              "1 行目で始まる \" が 3 行目で閉じた後に、区切り文字でない文字があります。");
    EXPECT_FALSE(OkEnabled(d));
    Click(d, wxID_CANCEL);
  });
  ImportFile(dir / "stray.csv");
  EXPECT_EQ(PendingDialogSteps(), 0);
}

TEST(TableImport, AppendedItemsKeepTheDocumentsColumns) {
  StartWithColumns(2);
  AddRows({{"a", "b"}});
  TempDir dir;
  WriteAll(dir / "more.txt", "h1\th2\th3\r\n1\t2\t3\r\n4\r\n");
  OnNextDialog([](wxDialog& d) {
    Pick(d, D::kAppendButton);
    Tick(d, D::kHeaderBox, true);
    EXPECT_EQ(Preview(d), (Rows{{"No.1", "No.2"}, {"1", "2"}, {"4", ""}}));
    EXPECT_EQ(Status(d),
              "Shift_JIS、タブ区切りで読み込みます。\n"
              "フィールド数がカラム数を超えているため、1 列分のフィールドを取り込みませんでした。");
    Click(d, wxID_OK);
  });
  ImportFile(dir / "more.txt");
  EXPECT_EQ(Script().Kinds(), (Kinds{"open", "info"}));
  EXPECT_EQ(TheData().ColumnCount(), 3);
  EXPECT_EQ(RowOf(1), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(RowOf(2), (std::vector<std::string>{"4", ""}));
  EXPECT_EQ(TheList().GetItemCount(), 3);
  EXPECT_TRUE(CurrentDoc().IsModified());
  // The import is one step of the undo history.
  SendCommand(cmd::kUndo);
  EXPECT_EQ(TheList().GetItemCount(), 1);
  EXPECT_EQ(RowOf(0), (std::vector<std::string>{"a", "b"}));
  SendCommand(cmd::kRedo);
  EXPECT_EQ(RowOf(2), (std::vector<std::string>{"4", ""}));
}

TEST(TableImport, ACancelledImportKeepsNothing) {
  StartWithColumns(2);
  AddRows({{"kept", ""}});
  TempDir dir;
  std::string rows;
  for (int i = 0; i < 20000; ++i) rows += "r" + std::to_string(i) + ",x\n";
  WriteAll(dir / "long.csv", rows);
  for (const int target : {D::kNewDocumentButton, D::kAppendButton}) {
    SCOPED_TRACE(target);
    ListoraDoc* before = &CurrentDoc();
    OnNextDialog([target](wxDialog& d) {
      Pick(d, target);
      Click(d, wxID_OK);
    });
    bool pressed = false;
    CancelNextRunAtStep(1, pressed);
    ImportFile(dir / "long.csv");
    EXPECT_TRUE(pressed);
    EXPECT_EQ(&CurrentDoc(), before);
    EXPECT_EQ(ColumnOf(1), std::vector<std::string>{"kept"});
    EXPECT_EQ(TheList().GetItemCount(), 1);
  }
  // Not cancelled, the long file becomes a new document.
  OnNextDialog([](wxDialog& d) { Click(d, wxID_OK); });
  ImportFile(dir / "long.csv");
  EXPECT_EQ(TheList().GetItemCount(), 20000);
  EXPECT_EQ(ColumnOf(1).back(), "r19999");
}

}  // namespace
}  // namespace listora::test
