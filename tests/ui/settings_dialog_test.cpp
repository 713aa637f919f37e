// The settings dialog on the running program: default and document sets,
// apply, the pages' checks, and the system page against a temporary home.

#include "ui/app/settings/settings_dialog.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <filesystem>

#include "core/app/desktop_integration.h"
#include "core/app/file_manager_actions.h"
#include "core/base/settings_file.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/app/settings/bars_page.h"
#include "ui/app/settings/image_path_page.h"
#include "ui/app/settings/pane_style_page.h"
#include "ui/app/settings/system_page.h"
#include "ui/app/settings/visibility_page.h"
#include "ui/base/command_ids.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"

namespace listora::test {
namespace {

namespace fs = std::filesystem;
using Kinds = std::vector<std::string>;

template <class T>
T& Control(wxWindow& page, int id) {
  auto* control = dynamic_cast<T*>(page.FindWindow(id));
  if (!control) throw std::runtime_error("no control " + std::to_string(id));
  return *control;
}

void Click(wxWindow& page, int id) {
  wxWindow* control = page.FindWindow(id);
  wxCommandEvent event(wxEVT_BUTTON, id);
  if (auto* check = dynamic_cast<wxCheckBox*>(control)) {
    check->SetValue(!check->GetValue());
    event.SetEventType(wxEVT_CHECKBOX);
    event.SetInt(check->GetValue());
  } else if (auto* radio = dynamic_cast<wxRadioButton*>(control)) {
    radio->SetValue(true);
    event.SetEventType(wxEVT_RADIOBUTTON);
  }
  event.SetEventObject(control);
  control->GetEventHandler()->ProcessEvent(event);
}

struct OpenDialog {
  SettingsDialog dialog{App().Frame(), CurrentDoc()};
  OpenDialog() { dialog.Show(); }
  SettingsPage& Page(SettingsDialog::Entry entry) {
    EXPECT_TRUE(dialog.ShowEntry(entry));
    return *dialog.PageOf(entry);
  }
};

TEST(SettingsDialogTest, OpensOnTheDocumentListPageWithTheDocumentsStyle) {
  StartFresh();
  StoredPaneStyle& list = TheData().settings.styles.pane[PaneStyles::kList];
  list.fontSize = 120;
  OpenDialog d;
  EXPECT_EQ(d.dialog.CurrentEntry(), SettingsDialog::kDocumentList);
  SettingsPage& page = *d.dialog.PageOf(SettingsDialog::kDocumentList);
  EXPECT_TRUE(page.IsShown());
  EXPECT_EQ(Control<wxComboBox>(page, PaneStylePage::kFontSize).GetValue(), "120");
  EXPECT_EQ(Control<wxChoice>(page, PaneStylePage::kFontName).GetStringSelection(),
            wxString::FromUTF8("ＭＳ Ｐゴシック"));
  // The column count is offered on the list pages only.
  EXPECT_TRUE(Control<wxChoice>(page, PaneStylePage::kColumnCount).IsShownOnScreen());
  d.Page(SettingsDialog::kDocumentTree);
  EXPECT_FALSE(Control<wxChoice>(page, PaneStylePage::kColumnCount).IsShownOnScreen());
}

TEST(SettingsDialogTest, DefaultsGoToTheFileAndDocumentSettingsToTheOpenDocument) {
  StartFresh();
  {
    OpenDialog d;
    Control<wxComboBox>(d.Page(SettingsDialog::kDefaultList), PaneStylePage::kFontSize)
        .SetValue("140");
    SettingsPage& bars = d.Page(SettingsDialog::kDefaultBars);
    Click(bars, BarsPage::kColumnIcons);
    Click(bars, BarsPage::kTreeIcons);
    ASSERT_TRUE(d.dialog.Apply());
  }
  SettingsFile& file = App().Program().settingsFile;
  EXPECT_EQ(file.GetInt("List", "FontSize", 0), 140);
  EXPECT_EQ(file.GetInt("Column", "ICON", 1), 0);
  EXPECT_EQ(file.GetInt("Other", "ICON", 1), 0);
  const DocumentSettings& doc = CurrentDoc().Data().settings;
  EXPECT_EQ(doc.styles.pane[PaneStyles::kList].fontSize, 90);
  EXPECT_NE(doc.columns.headerIcons, 0);

  {
    OpenDialog d;
    Control<wxComboBox>(d.Page(SettingsDialog::kDocumentText), PaneStylePage::kFontSize)
        .SetValue("60");
    Control<wxChoice>(d.Page(SettingsDialog::kDocumentList), PaneStylePage::kColumnCount)
        .SetSelection(6);
    ASSERT_TRUE(d.dialog.Apply());
    // What was applied stays when the dialog is then cancelled.
    d.dialog.Close();
  }
  EXPECT_EQ(doc.styles.pane[PaneStyles::kText].fontSize, 60);
  EXPECT_EQ(doc.columns.count, 8);
  EXPECT_EQ(App().Frame()->PaneWindows().list->GetColumnCount(), 8);
  EXPECT_EQ(file.GetInt("Text", "FontSize", 0), 90);
}

TEST(SettingsDialogTest, RefusesHidingEveryViewAndSplitsBeyondTheRange) {
  StartFresh();
  OpenDialog d;
  SettingsPage& page = d.Page(SettingsDialog::kDocumentVisibility);
  for (int id = VisibilityPage::kListCheck; id < VisibilityPage::kImageCheck; ++id) Click(page, id);
  EXPECT_TRUE(Script().asked.empty());
  Click(page, VisibilityPage::kImageCheck);
  ASSERT_EQ(Script().Kinds(), Kinds{"error"});
  EXPECT_EQ(Script().asked[0].text, wxString::FromUTF8("すべてのビューを非表示には出来ません"));
  EXPECT_TRUE(Control<wxCheckBox>(page, VisibilityPage::kImageCheck).GetValue());

  Script().Reset();
  Control<wxTextCtrl>(page, VisibilityPage::kSplit2).ChangeValue("10001");
  EXPECT_FALSE(d.dialog.ShowEntry(SettingsDialog::kDocumentBars));
  EXPECT_EQ(d.dialog.CurrentEntry(), SettingsDialog::kDocumentVisibility);
  ASSERT_EQ(Script().Kinds(), Kinds{"error"});
  EXPECT_EQ(Script().asked[0].text,
            wxString::FromUTF8("0 から 10000 までの整数を入力してください。"));
  EXPECT_FALSE(d.dialog.Apply());

  Control<wxTextCtrl>(page, VisibilityPage::kSplit2).ChangeValue("40");
  ASSERT_TRUE(d.dialog.Apply());
  const PaneLayout& layout = CurrentDoc().Data().settings.layout;
  EXPECT_EQ(layout.split2, 4000);
  EXPECT_EQ(layout.showList, 0);
  EXPECT_EQ(layout.showImage, 1);
}

TEST(SettingsDialogTest, ViewPageRefusesAFontSizeThatIsNoSize) {
  StartFresh();
  OpenDialog d;
  SettingsPage& page = d.Page(SettingsDialog::kDocumentList);
  wxComboBox& size = Control<wxComboBox>(page, PaneStylePage::kFontSize);
  size.SetValue("abc");
  EXPECT_FALSE(d.dialog.Apply());
  size.SetValue("0");
  EXPECT_FALSE(d.dialog.ShowEntry(SettingsDialog::kDocumentTree));
  ASSERT_EQ(Script().Kinds(), (Kinds{"error", "error"}));
  EXPECT_EQ(Script().asked[0].text, wxString::FromUTF8("正の整数を入力してください。"));
  EXPECT_EQ(Script().asked[1].text,
            wxString::FromUTF8("1 から 32767 までの整数を入力してください。"));
  const StoredPaneStyle& list = CurrentDoc().Data().settings.styles.pane[PaneStyles::kList];
  EXPECT_EQ(list.fontSize, 90);

  size.SetValue(" 110 ");
  ASSERT_TRUE(d.dialog.Apply());
  EXPECT_EQ(list.fontSize, 110);
}

TEST(SettingsDialogTest, ImagePathPageShowsItsExampleAndNormalisesTheSubPath) {
  StartFresh();
  OpenDialog d;
  SettingsPage& page = d.Page(SettingsDialog::kDocumentImagePaths);
  EXPECT_FALSE(Control<wxTextCtrl>(page, ImagePathPage::kSubPath).IsEnabled());
  Click(page, ImagePathPage::kDocumentBased);
  EXPECT_TRUE(Control<wxTextCtrl>(page, ImagePathPage::kSubPath).IsEnabled());
  EXPECT_EQ(Control<wxStaticText>(page, ImagePathPage::kExample).GetLabel(),
            wxString::FromUTF8("無題/123.JPG"));
  Control<wxTextCtrl>(page, ImagePathPage::kSubPath).ChangeValue("//pics//");
  ASSERT_TRUE(d.dialog.Apply());
  const DisplayOptions& display = CurrentDoc().Data().settings.display;
  EXPECT_EQ(display.imagePathMode, 1);
  EXPECT_EQ(FixedText(display.imageSubPath), "pics/");
}

TEST(SettingsDialogTest, SystemPageRegistersTheTypeAndShortcutsForThisUserOnly) {
  StartFresh();
  TempDir home;
  ScopedEnv homeEnv("HOME", home.path().string());
  ScopedEnv data("XDG_DATA_HOME", (home / "data").string());
  ScopedEnv config("XDG_CONFIG_HOME", (home / "config").string());
  const DesktopPaths paths = CurrentDesktopPaths();
  ASSERT_EQ(paths.dataHome, home / "data");

  OpenDialog d;
  SettingsPage& page = d.Page(SettingsDialog::kSystem);
  Click(page, SystemPage::kApply);
  EXPECT_TRUE(fs::exists(MimePackageFile(paths)));
  EXPECT_TRUE(fs::exists(AppEntryFile(paths)));
  Click(page, SystemPage::kDissociate);
  Click(page, SystemPage::kApply);
  EXPECT_FALSE(fs::exists(MimePackageFile(paths)));
  EXPECT_FALSE(fs::exists(AppEntryFile(paths)));

  Click(page, SystemPage::kCreate);
  EXPECT_TRUE(fs::exists(LauncherFile(paths)));
  for (const FileManagerAction& action : FileManagerActions(paths))
    EXPECT_TRUE(fs::exists(action.file));
  Click(page, SystemPage::kDelete);
  EXPECT_FALSE(fs::exists(LauncherFile(paths)));
  for (const FileManagerAction& action : FileManagerActions(paths))
    EXPECT_FALSE(fs::exists(action.file));
  Click(page, SystemPage::kDelete);  // nothing left: no message
  const std::vector<wxString> expected = {wxString::FromUTF8("関連付けしました。"),
                                          wxString::FromUTF8("関連付けをはずしました。"),
                                          wxString::FromUTF8("ショートカットを作成しました。"),
                                          wxString::FromUTF8("ショートカットを削除しました。")};
  ASSERT_EQ(Script().asked.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(Script().asked[i].text, expected[i]);

  // The password option brings encryption with it; both are stored on apply.
  Click(page, SystemPage::kPassword);
  EXPECT_TRUE(Control<wxCheckBox>(page, SystemPage::kEncrypt).GetValue());
  Click(page, SystemPage::kEncrypt);
  EXPECT_TRUE(Control<wxCheckBox>(page, SystemPage::kEncrypt).GetValue());
  ASSERT_TRUE(d.dialog.Apply());
  EXPECT_EQ(App().Program().settingsFile.GetInt("Main", "Pass", 0), 1);
  EXPECT_EQ(App().Program().settingsFile.GetInt("Main", "Ango", 0), 1);
}

TEST(SettingsDialogTest, OkFromTheCommandMarksTheDocumentModified) {
  StartFresh();
  wxTheApp->CallAfter([] {
    for (wxWindow* window : wxTopLevelWindows) {
      if (auto* dialog = dynamic_cast<SettingsDialog*>(window)) {
        wxCommandEvent ok(wxEVT_BUTTON, wxID_OK);
        dialog->FindWindow(wxID_OK)->GetEventHandler()->ProcessEvent(ok);
        if (dialog->IsModal()) dialog->EndModal(wxID_CANCEL);
      }
    }
  });
  SendCommand(cmd::kSettings);
  EXPECT_TRUE(CurrentDoc().IsModified());
}

}  // namespace
}  // namespace listora::test
