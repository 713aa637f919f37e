// Export to text, HTML, CSV and a workbook, and append-open, through the running
// application.

#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/stattext.h>
#include <wx/stdpaths.h>

#include "core/doc/document_file.h"
#include "core/doc/export.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/app/listora_doc_manager.h"
#include "ui/base/command_ids.h"
#include "ui/base/progress_dialog.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"

namespace listora::test {
namespace {

using Kinds = std::vector<std::string>;

wxString Path(const std::filesystem::path& file) { return wxString::FromUTF8(file.string()); }
MainFrame& Frame() { return *App().Frame(); }
ItemListCtrl& List() { return *App().Frame()->PaneWindows().list; }

// A document file of `count` items "<tag><i>" / "x&<i>" in two user columns.
std::filesystem::path WriteDocument(const std::filesystem::path& file, const std::string& tag,
                                    int count, StoreOptions options = {}) {
  Document doc;
  doc.settings.columns.count = 3;
  SetFixedText(doc.settings.columns.names[1], Sj("名前"));
  SetFixedText(doc.settings.columns.names[2], "Size");
  for (int i = 0; i < count; ++i) {
    ItemFields item;
    item.columns[0] = "0";
    item.columns[1] = tag + std::to_string(i);
    item.columns[2] = "x&" + std::to_string(i);
    doc.items.AppendRow(item);
  }
  WriteAll(file, StoreDocument(doc, options));
  return file;
}

ExportFormat FormatOf(int command) {
  if (command == cmd::kExportHtml) return ExportFormat::kHtml;
  if (command == cmd::kExportCsv) return ExportFormat::kCsv;
  if (command == cmd::kExportXlsx) return ExportFormat::kXlsx;
  return ExportFormat::kText;
}

void Open(const std::filesystem::path& file) {
  App().DocManager()->CreateDocument(Path(file), wxDOC_SILENT);
  Pump();
}

TEST(Export, EachFormatWritesTheCoresBytesWithTheShownWidths) {
  StartFresh();
  TempDir dir;
  Open(WriteDocument(dir / "a.b.ltb", "a", 3));
  DragColumnBorder(1, 123);
  const Document& data = CurrentDoc().Data();
  ColumnDescriptors shown = data.settings.columns;
  shown.widths[1] = 123;

  const StoredPaneStyle& style = data.settings.styles.pane[PaneStyles::kList];
  constexpr auto kUtf8 = ExportEncoding::kUtf8;
  struct Case {
    int command;
    int fileType;  // 0: code page 932, 1: UTF-8
    const char* chosen;
    const char* written;
    const char* proposed;
    std::string expected;
  };
  const Case cases[] = {
      {cmd::kExportText, 0, "out.txt", "out.txt", "a.txt", ExportText(shown, data.items)},
      {cmd::kExportHtml, 0, "page.htm", "page.htm", "a.htm",
       ExportHtml(shown, style, data.items, "a.b.ltb")},
      // A name typed without an extension gets the format's.
      {cmd::kExportCsv, 0, "table", "table.csv", "a.csv", ExportCsv(shown, data.items)},
      {cmd::kExportText, 1, "out8.txt", "out8.txt", "a.txt", ExportText(shown, data.items, kUtf8)},
      {cmd::kExportHtml, 1, "page8.htm", "page8.htm", "a.htm",
       ExportHtml(shown, style, data.items, "a.b.ltb", kUtf8)},
      {cmd::kExportCsv, 1, "table8", "table8.csv", "a.csv", ExportCsv(shown, data.items, kUtf8)},
  };
  for (const Case& c : cases) {
    Script().Reset();
    Script().saveFiles = {Path(dir / c.chosen)};
    Script().saveFileTypes = {c.fileType};
    SendCommand(c.command);
    ASSERT_EQ(Script().Kinds(), Kinds{"save"}) << c.written;
    EXPECT_EQ(Script().asked[0].defaultName, Path(dir / c.proposed));
    // Two file types, code page 932 first.
    const wxString types = Script().asked[0].wildcard;
    EXPECT_EQ(types.Freq('|'), 3) << types;
    EXPECT_FALSE(types.BeforeFirst('|').Contains("UTF-8")) << types;
    EXPECT_TRUE(types.AfterFirst('|').AfterFirst('|').Contains("UTF-8")) << types;
    EXPECT_EQ(ReadAll(dir / c.written), c.expected) << c.written;
  }
  EXPECT_NE(ReadAll(dir / "page.htm").find("<col width=\"123\">"), std::string::npos);

  // The workbook: one file type, the name's extension completed.
  Script().Reset();
  Script().saveFiles = {Path(dir / "book")};
  SendCommand(cmd::kExportXlsx);
  ASSERT_EQ(Script().Kinds(), Kinds{"save"});
  EXPECT_EQ(Script().asked[0].defaultName, Path(dir / "a.xlsx"));
  EXPECT_EQ(Script().asked[0].wildcard.Freq('|'), 1);
  const std::string book = ReadAll(dir / "book.xlsx");
  EXPECT_EQ(book.substr(0, 4), "PK\x03\x04");
  EXPECT_NE(book.find("xl/worksheets/sheet1.xml"), std::string::npos);
  EXPECT_FALSE(CurrentDoc().IsModified());
}

TEST(Export, AnExistingFileIsReplacedOnlyAfterYes) {
  StartFresh();
  TempDir dir;
  Open(WriteDocument(dir / "doc.ltb", "a", 2));
  const int commands[] = {cmd::kExportText, cmd::kExportHtml, cmd::kExportCsv, cmd::kExportXlsx};
  for (const int command : commands) {
    const std::string extension(ExportExtension(FormatOf(command)));
    const std::filesystem::path existing = dir / ("s2b." + extension);
    WriteAll(existing, "keep");
    // Typed without the extension: the question is about the completed
    // name. No shows the chooser again; giving up there writes nothing.
    Script().Reset();
    Script().saveFiles = {Path(dir / "s2b")};
    Script().yesNo = {false};
    SendCommand(command);
    ASSERT_EQ(Script().Kinds(), (Kinds{"save", "yesno", "save"})) << extension;
    EXPECT_NE(Script().asked[1].text.find(Path(existing.filename())), wxString::npos);
    EXPECT_EQ(ReadAll(existing), "keep");

    // Typed with the extension, and Yes.
    Script().Reset();
    Script().saveFiles = {Path(existing)};
    Script().yesNo = {true};
    SendCommand(command);
    EXPECT_EQ(Script().Kinds(), (Kinds{"save", "yesno"})) << extension;
    EXPECT_NE(ReadAll(existing), "keep");
  }
}

TEST(Export, EmptyListCancelAndFailedWrite) {
  StartFresh();
  TempDir dir;
  SendCommand(cmd::kExportText);
  EXPECT_TRUE(Script().asked.empty());

  Open(WriteDocument(dir / "doc.ltb", "a", 1));
  SendCommand(cmd::kExportCsv);
  EXPECT_EQ(Script().Kinds(), Kinds{"save"});
  EXPECT_EQ(Script().asked[0].defaultName, Path(dir / "doc.csv"));
  EXPECT_FALSE(std::filesystem::exists(dir / "doc.csv"));

  // The chosen name is a folder, so no file can replace it.
  Script().Reset();
  std::filesystem::create_directory(dir / "taken.txt");
  Script().saveFiles = {Path(dir / "taken.txt")};
  SendCommand(cmd::kExportText);
  EXPECT_EQ(Script().Kinds(), (Kinds{"save", "error"}));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "taken.txt"));
}

TEST(Export, NewDocumentProposesUntitled) {
  StartFresh();
  ItemFields item;
  item.columns[0] = "0";
  item.columns[1] = "x";
  TheData().items.AppendRow(item);
  CurrentDoc().Changed(DocHint::Kind::kItems);
  SendCommand(cmd::kExportHtml);
  ASSERT_EQ(Script().Kinds(), Kinds{"save"});
  EXPECT_EQ(Script().asked[0].defaultName,
            wxFileName(wxStandardPaths::Get().GetDocumentsDir(), U("無題.htm")).GetFullPath());
}

TEST(AppendOpen, AddsTheItemsOfEveryAcceptedFile) {
  StartFresh();
  TempDir dir;
  Open(WriteDocument(dir / "base.ltb", "d", 2));
  StoreOptions locked;
  locked.mode = ProtectionMode::kPassword;
  locked.password = "secret";
  const auto plain = WriteDocument(dir / "plain.ltb", "p", 3);
  const auto protectedFile = WriteDocument(dir / "locked.ltb", "s", 2, locked);
  WriteAll(dir / "notes.ltb", "not a document file at all");

  // A wrong password adds nothing and leaves the document as it was.
  Script().openFileLists = {wxArrayString(1, Path(protectedFile))};
  Script().passwords = {"wrong"};
  SendCommand(cmd::kAppendOpen);
  EXPECT_EQ(Script().Kinds(), (Kinds{"open-many", "password", "error"}));
  EXPECT_EQ(Script().asked[2].text, U("パスワードが違います。"));
  EXPECT_EQ(List().GetItemCount(), 2);
  EXPECT_EQ(Frame().GetTitle(), "base.ltb - Listora");
  EXPECT_FALSE(CurrentDoc().History().CanUndo());

  Script().Reset();
  wxArrayString chosen;
  for (const auto& file : {plain, dir / "notes.ltb", protectedFile}) chosen.Add(Path(file));
  Script().openFileLists = {chosen};
  Script().passwords = {"secret"};
  SendCommand(cmd::kAppendOpen);
  EXPECT_EQ(Script().Kinds(), (Kinds{"open-many", "format", "password"}));
  EXPECT_EQ(Script().asked[1].text, U("LTBファイルではありません。"));
  EXPECT_FALSE(ProgressRun::CancelPending());

  const ItemTable& items = CurrentDoc().Data().items;
  ASSERT_EQ(List().GetItemCount(), 7);
  const char* expected[] = {"d0", "d1", "p0", "p1", "p2", "s0", "s1"};
  for (int row = 0; row < 7; ++row) EXPECT_EQ(items.Cell(row, 1), expected[row]) << row;
  EXPECT_EQ(Frame().TotalCountLabel()->GetLabel(), U("　総アイテム数: 7"));
  EXPECT_EQ(CurrentDoc().GetFilename(), Path(dir / "base.ltb"));
  EXPECT_TRUE(CurrentDoc().IsModified());
}

}  // namespace
}  // namespace listora::test
