// Opening, refusing and saving documents through the running application.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/combobox.h>
#include <wx/docview.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/stdpaths.h>
#include <wx/textctrl.h>

#include "core/base/messages.h"
#include "core/base/settings_file.h"
#include "core/doc/document_file.h"
#include "core/tools/image_paths.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/app/listora_doc_manager.h"
#include "ui/base/command_ids.h"
#include "ui/base/progress_dialog.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/support/failing_allocations.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"
#include "ui/text/text_convert.h"

namespace listora::test {
namespace {

// A document with two user columns and `count` items "a<i>" / "b<i>"; the
// first item has a memo.
Document SmallDocument(int count) {
  Document doc;
  ResetDocumentSettings(SettingsFile(SettingsPath()), doc.settings);
  doc.settings.columns.count = 3;
  SetFixedText(doc.settings.columns.names[1], Sj("名前"));
  SetFixedText(doc.settings.columns.names[2], "Size");
  for (int i = 0; i < count; ++i) {
    ItemFields item;
    item.columns[1] = "a" + std::to_string(i);
    item.columns[2] = "b" + std::to_string(i);
    if (i == 0) item.memo = Sj("メモ");
    item.columns[0] = MakeIconIndex(item.memo, item.imagePath);
    doc.items.AppendRow(item);
  }
  doc.history = {Sj("最新"), "older"};
  return doc;
}

std::filesystem::path WriteDocument(const TempDir& dir, const Document& doc,
                                    StoreOptions options = {}) {
  const std::filesystem::path file = dir / "sample.ltb";
  WriteAll(file, StoreDocument(doc, options));
  return file;
}

wxString Path(const std::filesystem::path& file) { return wxString::FromUTF8(file.string()); }

MainFrame& Frame() { return *App().Frame(); }
ItemListCtrl& List() { return *App().Frame()->PaneWindows().list; }

void Open(const std::filesystem::path& file) {
  App().DocManager()->CreateDocument(Path(file), wxDOC_SILENT);
  Pump();
}

bool InRecentFiles(const std::filesystem::path& file) {
  const wxFileHistory& history = *App().DocManager()->GetFileHistory();
  for (size_t i = 0; i < history.GetCount(); ++i)
    if (history.GetHistoryFile(i) == Path(file)) return true;
  return false;
}

TEST(DocumentOpen, ShowsItemsColumnsCountsAndHistory) {
  StartFresh();
  TempDir dir;
  const std::filesystem::path file = WriteDocument(dir, SmallDocument(3));
  Open(file);

  EXPECT_TRUE(Script().asked.empty());
  EXPECT_EQ(List().GetItemCount(), 3);
  EXPECT_EQ(Frame().TotalCountLabel()->GetLabel(), wxString::FromUTF8("　総アイテム数: 3"));
  EXPECT_EQ(Frame().SelectedCountLabel()->GetLabel(), wxString::FromUTF8("　選択アイテム数: 0"));
  ASSERT_EQ(List().GetColumnCount(), 3);
  EXPECT_EQ(List().ColumnTitle(1), wxString::FromUTF8("名前"));
  EXPECT_EQ(List().GetItemText(2, 1), "a2");
  EXPECT_EQ(List().GetItemText(2, 2), "b2");
  EXPECT_EQ(List().GetItemText(2, 0), "");

  // The file holds the entries oldest first and they are read back in file
  // order, so the order turns over with every save and open.
  SearchBox* box = Frame().SearchField();
  ASSERT_EQ(box->GetCount(), 2u);
  EXPECT_EQ(box->GetString(0), "older");
  EXPECT_EQ(box->GetString(1), wxString::FromUTF8("最新"));

  EXPECT_EQ(Frame().GetTitle(), "sample.ltb - Listora");
  EXPECT_FALSE(CurrentDoc().IsModified());
  EXPECT_TRUE(InRecentFiles(file));
}

TEST(DocumentOpen, RefusedFileEndsInEmptyUntitledDocument) {
  StartFresh();
  TempDir dir;
  const std::filesystem::path file = WriteDocument(dir, SmallDocument(2));
  Open(file);
  ASSERT_EQ(List().GetItemCount(), 2);

  const std::filesystem::path damaged = dir / "damaged.ltb";
  WriteAll(damaged, std::string(200, 'X'));
  Open(damaged);
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"format"});
  EXPECT_EQ(Script().asked[0].text, wxString::FromUTF8("LTBファィルではありません。"));
  EXPECT_EQ(List().GetItemCount(), 0);
  EXPECT_EQ(Frame().TotalCountLabel()->GetLabel(), wxString::FromUTF8("　総アイテム数: 0"));
  EXPECT_EQ(Frame().GetTitle(), wxString::FromUTF8("無題 - Listora"));
  EXPECT_FALSE(InRecentFiles(damaged));

  // A foreign version and a file too short for a header go the same way.
  std::string otherVersion = ReadAll(file);
  otherVersion[2] = 2;
  WriteAll(damaged, otherVersion);
  Script().Reset();
  Open(damaged);
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"format"});
  EXPECT_EQ(Script().asked[0].text, wxString::FromUTF8("ファイルのバージョンが違います。"));
  EXPECT_EQ(Frame().GetTitle(), wxString::FromUTF8("無題 - Listora"));

  WriteAll(damaged, "LT");
  Script().Reset();
  Open(damaged);
  EXPECT_EQ(Script().Kinds(), std::vector<std::string>{"format"});
  EXPECT_EQ(List().GetItemCount(), 0);
}

TEST(DocumentOpen, WhateverIsNamedAtStartUpTheProgramComesUp) {
  StartFresh();
  TempDir dir;
  ListoraDocManager& manager = *App().DocManager();
  WriteAll(dir / "notes.txt", "some notes\n");
  ASSERT_NE(manager.CreateStartDocument(Path(dir / "notes.txt")), nullptr);
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"format"});
  EXPECT_EQ(Script().asked[0].text, wxString::FromUTF8("LTBファィルではありません。"));
  EXPECT_EQ(Frame().GetTitle(), wxString::FromUTF8("無題 - Listora"));

  // Missing, a folder: the reason, then "無題".
  for (const std::filesystem::path& bad : {dir / "missing.ltb", dir.path()}) {
    Script().Reset();
    ASSERT_NE(manager.CreateStartDocument(Path(bad)), nullptr);
    EXPECT_EQ(Script().Kinds(), std::vector<std::string>{"error"}) << bad;
    EXPECT_EQ(Frame().GetTitle(), wxString::FromUTF8("無題 - Listora"));
  }

  // The extension's letter case does not matter.
  Script().Reset();
  const std::filesystem::path upper = dir / "UPPER.LTB";
  WriteAll(upper, StoreDocument(SmallDocument(2), {}));
  ASSERT_NE(manager.CreateStartDocument(Path(upper)), nullptr);
  EXPECT_TRUE(Script().asked.empty());
  EXPECT_EQ(List().GetItemCount(), 2);

  Script().Reset();
  ASSERT_NE(manager.CreateStartDocument(wxString()), nullptr);
  EXPECT_EQ(Frame().GetTitle(), wxString::FromUTF8("無題 - Listora"));
}

TEST(DocumentOpen, AGoneRecentFileKeepsTheOpenDocument) {
  StartFresh();
  TempDir dir;
  const std::filesystem::path gone = dir / "gone.ltb";
  WriteAll(gone, StoreDocument(SmallDocument(1), {}));
  Open(gone);
  const std::filesystem::path file = WriteDocument(dir, SmallDocument(3));
  Open(file);
  ASSERT_TRUE(InRecentFiles(gone));
  std::filesystem::remove(gone);

  // The newest entry is the open file; the one before it is gone.
  ASSERT_EQ(App().DocManager()->GetHistoryFile(1), Path(gone));
  SendCommand(cmd::kRecentFile1 + 1);
  EXPECT_EQ(Script().Kinds(), std::vector<std::string>{"error"});
  EXPECT_FALSE(InRecentFiles(gone));
  EXPECT_EQ(CurrentDoc().GetFilename(), Path(file));
  EXPECT_EQ(List().GetItemCount(), 3);
}

TEST(RecentFiles, StandInTheFileMenuBeforeExit) {
  StartFresh();
  ListoraDocManager& manager = *App().DocManager();
  while (manager.GetHistoryFilesCount() > 0) manager.RemoveFileFromHistory(0);
  wxMenu& file = *Frame().GetMenuBar()->GetMenu(0);
  // From the end: exit, separator, then the recent files.
  const auto fromEnd = [&file](size_t n) {
    return file.FindItemByPosition(file.GetMenuItemCount() - n);
  };
  file.UpdateUI(&Frame());
  EXPECT_EQ(fromEnd(1)->GetId(), wxID_EXIT);
  EXPECT_TRUE(fromEnd(2)->IsSeparator());
  EXPECT_EQ(fromEnd(3)->GetId(), wxID_FILE1);
  EXPECT_EQ(fromEnd(3)->GetItemLabel(), wxString::FromUTF8("最近使ったファイル"));
  EXPECT_FALSE(fromEnd(3)->IsEnabled());
  EXPECT_TRUE(fromEnd(4)->IsSeparator());

  TempDir dir;
  const wxFileHistory& history = *manager.GetFileHistory();
  const std::filesystem::path first = dir / "first.ltb";
  WriteAll(first, StoreDocument(SmallDocument(1), {}));
  Open(first);
  const std::filesystem::path second = WriteDocument(dir, SmallDocument(2));
  Open(second);
  file.UpdateUI(&Frame());
  EXPECT_EQ(fromEnd(3)->GetId(), wxID_FILE2);
  EXPECT_EQ(fromEnd(3)->GetItemLabel(), "&2 " + Path(first));
  EXPECT_EQ(fromEnd(4)->GetId(), wxID_FILE1);
  EXPECT_EQ(fromEnd(4)->GetItemLabel(), "&1 " + Path(second));
  EXPECT_TRUE(fromEnd(4)->IsEnabled());
  EXPECT_EQ(fromEnd(4)->GetSubMenu(), nullptr);
  EXPECT_TRUE(fromEnd(5)->IsSeparator());

  // A path through ".." is remembered as the plain path of the file.
  std::filesystem::create_directory(dir / "sub");
  Open(dir / "sub" / ".." / "first.ltb");
  EXPECT_EQ(history.GetHistoryFile(0),
            Path(std::filesystem::weakly_canonical(dir.path()) / "first.ltb"));
}

TEST(DocumentOpen, UnreadableFileIsReportedAndLeavesUntitled) {
  StartFresh();
  TempDir dir;
  Open(dir / "missing.ltb");
  EXPECT_EQ(Script().Kinds(), std::vector<std::string>{"error"});
  EXPECT_EQ(Frame().GetTitle(), wxString::FromUTF8("無題 - Listora"));
}

TEST(DocumentOpen, PasswordProtectedFile) {
  StartFresh();
  TempDir dir;
  StoreOptions options;
  options.mode = ProtectionMode::kPassword;
  const std::string password = Sj("秘密");
  options.password = password;
  const std::filesystem::path file = WriteDocument(dir, SmallDocument(4), options);

  Script().passwords = {"wrong"};
  Open(file);
  EXPECT_EQ(Script().Kinds(), (std::vector<std::string>{"password", "error"}));
  EXPECT_EQ(Script().asked[1].text, wxString::FromUTF8("パスワードが違います。"));
  EXPECT_EQ(List().GetItemCount(), 0);
  EXPECT_EQ(Frame().GetTitle(), wxString::FromUTF8("無題 - Listora"));

  // Closing the entry dialog without typing counts as a wrong password.
  Script().Reset();
  Open(file);
  EXPECT_EQ(Script().Kinds(), (std::vector<std::string>{"password", "error"}));

  Script().Reset();
  Script().passwords = {wxString::FromUTF8("秘密")};
  Open(file);
  EXPECT_EQ(Script().Kinds(), std::vector<std::string>{"password"});
  EXPECT_EQ(List().GetItemCount(), 4);
}

TEST(DocumentOpen, CancelKeepsTheItemsReadSoFar) {
  StartFresh();
  TempDir dir;
  const std::filesystem::path file = WriteDocument(dir, SmallDocument(50));
  // As if the cancel button had been pressed at once: the load stops after
  // the first record and keeps it, and the document keeps its path.
  ProgressRun::CancelNextRun();
  Open(file);
  EXPECT_FALSE(ProgressRun::CancelPending());
  EXPECT_EQ(List().GetItemCount(), 1);
  EXPECT_EQ(Frame().TotalCountLabel()->GetLabel(), wxString::FromUTF8("　総アイテム数: 1"));
  EXPECT_EQ(CurrentDoc().GetFilename(), Path(file));
}

// A file cut off in its item section (a full disk, a broken copy) opens
// with what is there, and the user is told once.
TEST(DocumentOpen, ACutOffFileOpensWhatIsThereAndSaysSo) {
  StartFresh();
  TempDir dir;
  const std::filesystem::path file = WriteDocument(dir, SmallDocument(20));
  std::string bytes = ReadAll(file);
  const std::size_t eighth = bytes.find("a8\x07");
  ASSERT_NE(eighth, std::string::npos);
  WriteAll(file, bytes.substr(0, eighth - 2));  // just before item 8
  Open(file);
  EXPECT_EQ(List().GetItemCount(), 8);
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"format"});
  EXPECT_EQ(Script().asked[0].text,
            wxString::FromUTF8("ファイルが途中で終わっています。20 個のアイテムのうち、"
                               "最後まで読み込めたのは 8 個です。"));
  EXPECT_EQ(CurrentDoc().GetFilename(), Path(file));
  EXPECT_FALSE(CurrentDoc().IsModified());
  Pump();
  EXPECT_EQ(Script().asked.size(), 1u);
}

TEST(DocumentSave, SaveAsWritesTheDocumentAndClearsTheMark) {
  StartFresh();
  TempDir dir;
  ListoraDoc& doc = CurrentDoc();
  ItemFields item;
  item.columns[1] = Sj("新しい");
  item.columns[0] = "0";
  TheData().items.AppendRow(item);
  doc.Changed(DocHint::Kind::kItems);
  doc.MarkModified();
  doc.MarkModified();
  EXPECT_EQ(Frame().GetTitle(), wxString::FromUTF8("無題 - Listora*"));
  EXPECT_EQ(Frame().TotalCountLabel()->GetLabel(), wxString::FromUTF8("　総アイテム数: 1"));

  const std::filesystem::path file = dir / "saved";
  Script().saveFiles = {Path(file)};
  ASSERT_TRUE(doc.Save());
  const std::filesystem::path written = dir / "saved.ltb";
  ASSERT_TRUE(std::filesystem::exists(written));
  EXPECT_EQ(Frame().GetTitle(), "saved.ltb - Listora");
  EXPECT_FALSE(doc.IsModified());

  Document reread;
  ASSERT_EQ(LoadDocument(ReadAll(written), {}, reread).status, LoadStatus::kLoaded);
  ASSERT_EQ(reread.items.GetSize(), 1);
  EXPECT_EQ(reread.items.Cell(0, 1), Sj("新しい"));
  EXPECT_EQ(ReadHeader(ReadAll(written))->mode, 0);
}

TEST(DocumentSave, SaveStoresAnUnmodifiedDocument) {
  StartFresh();
  TempDir dir;
  const std::filesystem::path file = WriteDocument(dir, SmallDocument(2));
  Open(file);
  // A change that is stored without marking the document, as a sort is.
  TheData().items.RemoveRow(0);
  ASSERT_FALSE(CurrentDoc().IsModified());

  wxUpdateUIEvent update(wxID_SAVE);
  Frame().ProcessWindowEvent(update);
  EXPECT_TRUE(update.GetEnabled());
  SendCommand(wxID_SAVE);
  EXPECT_TRUE(Script().asked.empty());
  Document reread;
  ASSERT_EQ(LoadDocument(ReadAll(file), {}, reread).status, LoadStatus::kLoaded);
  EXPECT_EQ(reread.items.GetSize(), 1);

  // Never saved: Save goes to Save As, which starts in the documents folder.
  StartFresh();
  SendCommand(wxID_SAVE);
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"save"});
  EXPECT_EQ(Script().asked[0].defaultName,
            wxFileName(wxStandardPaths::Get().GetDocumentsDir(), wxString::FromUTF8("無題.ltb"))
                .GetFullPath());
}

TEST(DocumentSave, SaveAsStartsInTheDocumentsFolder) {
  StartFresh();
  TempDir dir;
  const std::filesystem::path file = WriteDocument(dir, SmallDocument(1));
  Open(file);
  EXPECT_FALSE(CurrentDoc().SaveAs());
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"save"});
  EXPECT_EQ(Script().asked[0].defaultName, Path(file));
}

TEST(DocumentSave, ChoosersStartInTheDocumentsFolderElseTheLastChosenElseDocuments) {
  StartFresh();
  TempDir dir;
  const std::filesystem::path file = WriteDocument(dir, SmallDocument(1));
  const wxString documents = wxStandardPaths::Get().GetDocumentsDir();
  // Nothing chosen yet and nothing saved: the documents folder, never the
  // working folder.
  Script().openFiles = {Path(file)};
  SendCommand(wxID_OPEN);
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"open"});
  EXPECT_EQ(Script().asked[0].folder, documents);
  ASSERT_EQ(CurrentDoc().GetFilename(), Path(file));
  // The open document's folder.
  Script().Reset();
  SendCommand(cmd::kAppendOpen);
  SendCommand(wxID_OPEN);
  ASSERT_EQ(Script().Kinds(), (std::vector<std::string>{"open-many", "open"}));
  EXPECT_EQ(Script().asked[0].folder, Path(dir.path()));
  EXPECT_EQ(Script().asked[1].folder, Path(dir.path()));
  // A new document: the folder chosen last in this run.
  SendCommand(wxID_NEW);
  Script().Reset();
  SendCommand(wxID_OPEN);
  SendCommand(wxID_SAVEAS);
  ASSERT_EQ(Script().Kinds(), (std::vector<std::string>{"open", "save"}));
  EXPECT_EQ(Script().asked[0].folder, Path(dir.path()));
  EXPECT_EQ(Script().asked[1].defaultName, Path(dir / "無題.ltb"));
}

TEST(DocumentSave, SaveAsReplacesAnExistingFileOnlyAfterYes) {
  StartFresh();
  TempDir dir;
  CurrentDoc().MarkModified();
  const std::filesystem::path existing = dir / "s2b.ltb";
  WriteAll(existing, "keep");
  // Typed without the extension: the question names the completed file. No
  // shows the chooser again, and giving up there saves nothing.
  Script().saveFiles = {Path(dir / "s2b")};
  Script().yesNo = {false};
  EXPECT_FALSE(CurrentDoc().SaveAs());
  ASSERT_EQ(Script().Kinds(), (std::vector<std::string>{"save", "yesno", "save"}));
  EXPECT_EQ(Script().asked[1].text,
            wxString::FromUTF8("s2b.ltb は既に存在します。\n上書きしますか？"));
  EXPECT_EQ(Script().asked[2].defaultName, Path(existing));
  EXPECT_EQ(ReadAll(existing), "keep");
  EXPECT_TRUE(CurrentDoc().IsModified());

  // Typed with the extension, and Yes.
  Script().Reset();
  Script().saveFiles = {Path(existing)};
  Script().yesNo = {true};
  EXPECT_TRUE(CurrentDoc().SaveAs());
  EXPECT_EQ(Script().Kinds(), (std::vector<std::string>{"save", "yesno"}));
  EXPECT_EQ(ReadHeader(ReadAll(existing))->mode, 0);
  EXPECT_EQ(CurrentDoc().GetFilename(), Path(existing));
}

TEST(DocumentSave, FailedWriteIsReported) {
  StartFresh();
  TempDir dir;
  const std::filesystem::path file = WriteDocument(dir, SmallDocument(2));
  Open(file);
  TheData().items.RemoveRow(0);
  CurrentDoc().MarkModified();
  // The target is now a folder, so the file cannot be replaced.
  std::filesystem::remove(file);
  std::filesystem::create_directory(file);
  EXPECT_FALSE(CurrentDoc().Save());
  EXPECT_EQ(Script().Kinds(), std::vector<std::string>{"error"});
  EXPECT_TRUE(CurrentDoc().IsModified());
  EXPECT_TRUE(std::filesystem::is_directory(file));
}

// A FIFO without a reader would hold the window in the open call until
// something read it: Save and Save As refuse any target that is no file.
TEST(DocumentSave, ATargetThatIsNoFileIsRefusedAtOnce) {
  StartFresh();
  TempDir dir;
  const std::filesystem::path fifo = dir / "fifo.ltb";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  CurrentDoc().MarkModified();
  Script().saveFiles = {Path(fifo)};
  Script().yesNo = {true};  // replace the existing "file"
  EXPECT_FALSE(CurrentDoc().SaveAs());
  ASSERT_EQ(Script().Kinds(), (std::vector<std::string>{"save", "yesno", "error"}));
  EXPECT_NE(Script().asked[2].text.Find(Path(fifo)), wxNOT_FOUND);
  EXPECT_NE(Script().asked[2].text.Find(Utf8(msg::kNotRegularFile)), wxNOT_FOUND);
  EXPECT_TRUE(CurrentDoc().IsModified());
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

// Another program (or window) saved the open file in between: Save asks,
// No keeps that version and the document's changes, Yes replaces it.
TEST(DocumentSave, AFileChangedOnDiskIsReplacedOnlyAfterYes) {
  StartFresh();
  TempDir dir;
  const std::filesystem::path file = WriteDocument(dir, SmallDocument(2));
  Open(file);
  TheData().items.RemoveRow(0);
  CurrentDoc().MarkModified();
  const std::string theirs = StoreDocument(SmallDocument(5), {});
  WriteAll(file, theirs);

  SendCommand(wxID_SAVE);
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"yesno"});
  EXPECT_EQ(Script().asked[0].text,
            wxString::FromUTF8("sample.ltb は開いた後にほかのプログラムで変更されています。\n"
                               "上書きしますか？"));
  EXPECT_TRUE(ReadAll(file) == theirs);
  EXPECT_TRUE(CurrentDoc().IsModified());

  // Replaced by a new file under the same name, as a save elsewhere does.
  std::filesystem::remove(file);
  WriteAll(file, theirs);
  Script().Reset();
  Script().yesNo = {true};
  SendCommand(wxID_SAVE);
  EXPECT_EQ(Script().Kinds(), std::vector<std::string>{"yesno"});
  EXPECT_FALSE(CurrentDoc().IsModified());
  Document reread;
  ASSERT_EQ(LoadDocument(ReadAll(file), {}, reread).status, LoadStatus::kLoaded);
  EXPECT_EQ(reread.items.GetSize(), 1);

  // Saved here, the file is ours again: no question.
  Script().Reset();
  CurrentDoc().MarkModified();
  SendCommand(wxID_SAVE);
  EXPECT_TRUE(Script().asked.empty());
  EXPECT_FALSE(CurrentDoc().IsModified());

  // Rewritten at once in place, same size, its time put back (as "cp -p"
  // does): still asked.
  struct stat saved {};
  ASSERT_EQ(stat(file.c_str(), &saved), 0);
  std::string rewritten = ReadAll(file);
  rewritten.back() ^= 1;
  WriteAll(file, rewritten);
  const timespec times[2] = {saved.st_atim, saved.st_mtim};
  ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
  CurrentDoc().MarkModified();
  SendCommand(wxID_SAVE);
  EXPECT_EQ(Script().Kinds(), std::vector<std::string>{"yesno"});
  EXPECT_TRUE(ReadAll(file) == rewritten);
}

// Memory running out while the document is stored ends the save with a
// message; the document, its "*" and the old file stay, and a later save
// works.
TEST(DocumentSave, RunningOutOfMemoryEndsOnlyTheSave) {
  StartFresh();
  TempDir dir;
  const std::filesystem::path file = WriteDocument(dir, SmallDocument(80000));
  Open(file);
  const std::string before = ReadAll(file);
  ASSERT_GT(before.size(), std::size_t{1} << 20);
  TheData().items.RemoveRow(0);
  CurrentDoc().MarkModified();
  {
    LargeAllocationsFail fail(std::size_t{1} << 20);
    SendCommand(wxID_SAVE);
  }
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"error"});
  EXPECT_EQ(Script().asked[0].text, U("メモリが不足しています。"));
  EXPECT_TRUE(CurrentDoc().IsModified());
  EXPECT_TRUE(ReadAll(file) == before);
  Script().Reset();
  SendCommand(wxID_SAVE);
  EXPECT_TRUE(Script().asked.empty());
  EXPECT_FALSE(CurrentDoc().IsModified());
}

// A folder whose files may not be removed takes no temporary file: the
// document is written in place, after the user was told once.
TEST(DocumentSave, AFolderThatKeepsItsFilesIsSavedInPlaceAfterSayingSo) {
  StartFresh();
  TempDir dir;
  const std::filesystem::path file = WriteDocument(dir, SmallDocument(3));
  Open(file);
  AppendOnlyFolder appendOnly(dir.path());
  if (!appendOnly.Applied()) GTEST_SKIP() << "chattr +a not permitted here";
  for (int save = 0; save < 2; ++save) {
    TheData().items.RemoveRow(0);
    CurrentDoc().MarkModified();
    SendCommand(wxID_SAVE);
  }
  appendOnly.Restore();
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"info"});
  EXPECT_EQ(Script().asked[0].text,
            U("「") + Path(file) +
                U("」のフォルダには新しいファイルを作れないため、安全に保存できません。"
                  "ファイルを直接書き換えます。"));
  EXPECT_FALSE(CurrentDoc().IsModified());
  Document reread;
  ASSERT_EQ(LoadDocument(ReadAll(file), {}, reread).status, LoadStatus::kLoaded);
  EXPECT_EQ(reread.items.GetSize(), 1);
  EXPECT_EQ(test::Names(dir.path()), std::vector<std::string>{"sample.ltb"});
}

TEST(DocumentSave, PasswordSettingProtectsTheFile) {
  StartFresh();
  TempDir dir;
  SettingsFile(SettingsPath()).WriteInt("Main", "Pass", 1);
  const std::filesystem::path file = dir / "locked.ltb";
  Script().newPasswords = {"pw"};
  Script().saveFiles = {Path(file)};
  ASSERT_TRUE(CurrentDoc().SaveAs());
  EXPECT_EQ(Script().Kinds(), (std::vector<std::string>{"save", "set-password"}));
  EXPECT_EQ(ReadHeader(ReadAll(file))->mode, 1);

  // Both fields left empty: enciphered without a password.
  Script().Reset();
  ASSERT_TRUE(CurrentDoc().OnSaveDocument(Path(file)));
  EXPECT_EQ(ReadHeader(ReadAll(file))->mode, 2);
  Open(file);
  EXPECT_EQ(Script().Kinds(), std::vector<std::string>{"set-password"});
  EXPECT_EQ(CurrentDoc().GetFilename(), Path(file));
}

TEST(DocumentSave, ClosingAModifiedDocumentAsksFirst) {
  StartFresh();
  CurrentDoc().MarkModified();
  Script().saveChanges = {SaveAnswer::kCancel};
  EXPECT_EQ(App().DocManager()->CreateDocument(wxString(), wxDOC_NEW), nullptr);
  EXPECT_EQ(Script().Kinds(), std::vector<std::string>{"save-changes"});
  EXPECT_TRUE(CurrentDoc().IsModified());

  Script().saveChanges = {SaveAnswer::kNo};
  EXPECT_NE(App().DocManager()->CreateDocument(wxString(), wxDOC_NEW), nullptr);
  EXPECT_FALSE(CurrentDoc().IsModified());
}

TEST(DocumentSave, SavingElsewhereMovesTheImageFolderRelativeToTheDocument) {
  StartFresh();
  TempDir dir;
  DisplayOptions& display = TheData().settings.display;
  display.imagePathMode = 1;
  SetFixedText(display.imageSubPath, "img\\");
  std::filesystem::create_directory(dir / "elsewhere");
  const std::filesystem::path file = dir / "elsewhere" / "moved.ltb";
  Script().saveFiles = {Path(file)};
  ASSERT_TRUE(CurrentDoc().SaveAs());
  EXPECT_EQ(CurrentDoc().ImageFolder(), ComputeImageFolder(display, file, App().ExecutableDir()));
  EXPECT_NE(CurrentDoc().ImageFolder(), std::filesystem::path());
}

TEST(DocumentSave, TakesTheCellBeingEdited) {
  StartFresh();
  TempDir dir;
  ListoraDoc& doc = CurrentDoc();
  ItemFields item;
  item.columns[0] = "0";
  item.columns[1] = "old";
  TheData().items.AppendRow(item);
  doc.Changed(DocHint::Kind::kItems);
  Pump();

  ASSERT_TRUE(List().BeginCellEdit(0, 1));
  List().CellEditor()->ChangeValue("new");
  Script().saveChanges = {SaveAnswer::kCancel};
  EXPECT_FALSE(doc.OnSaveModified());
  EXPECT_EQ(Script().Kinds(), std::vector<std::string>{"save-changes"});
  EXPECT_EQ(doc.Data().items.Cell(0, 1), "new");

  Pump();
  ASSERT_TRUE(List().BeginCellEdit(0, 1));
  List().CellEditor()->ChangeValue("newer");
  const std::filesystem::path file = dir / "edited.ltb";
  Script().saveFiles = {Path(file)};
  ASSERT_TRUE(doc.Save());
  EXPECT_FALSE(doc.IsModified());
  Document reread;
  ASSERT_EQ(LoadDocument(ReadAll(file), {}, reread).status, LoadStatus::kLoaded);
  EXPECT_EQ(reread.items.Cell(0, 1), "newer");
}

}  // namespace
}  // namespace listora::test
