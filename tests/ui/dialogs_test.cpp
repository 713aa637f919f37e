// The password dialogs' keys and the Japanese labels of the toolkit's
// dialogs and the program's message boxes.

#include <gtest/gtest.h>
#include <wx/msgdlg.h>
#include <wx/stockitem.h>
#include <wx/textctrl.h>

#include "ui/app/listora_app.h"
#include "ui/base/password_check_dialog.h"
#include "ui/base/password_set_dialog.h"
#include "ui/base/program_language.h"
#include "ui/frame/main_frame.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"

namespace listora::test {
namespace {

// A key as it reaches the dialog while `field` has the focus.
void Press(wxWindow& field, int key) {
  wxKeyEvent event(wxEVT_CHAR_HOOK);
  event.m_keyCode = key;
  event.SetEventObject(&field);
  field.ProcessWindowEvent(event);
}

wxTextCtrl& Field(wxDialog& dialog, int id) {
  return *wxStaticCast(dialog.FindWindow(id), wxTextCtrl);
}

// Shows `dialog` modally while `keys` runs inside its loop; a dialog the
// keys did not end is ended with -1, so a failure cannot hang the tests.
int RunModal(wxDialog& dialog, const std::function<void()>& keys) {
  dialog.CallAfter([&dialog, keys] {
    keys();
    if (dialog.IsModal()) dialog.EndModal(-1);
  });
  return dialog.ShowModal();
}

TEST(PasswordDialogs, EnterConfirmsAndEscapeCancels) {
  StartFresh();
  wxWindow* owner = App().Frame();
  {
    PasswordCheckDialog dialog(owner);
    EXPECT_EQ(RunModal(dialog,
                       [&] {
                         Field(dialog, 1133).ChangeValue("pw");
                         Press(Field(dialog, 1133), WXK_RETURN);
                       }),
              wxID_OK);
    EXPECT_EQ(dialog.Password(), "pw");
  }
  {
    PasswordCheckDialog dialog(owner);
    EXPECT_EQ(RunModal(dialog, [&] { Press(Field(dialog, 1133), WXK_ESCAPE); }), wxID_CANCEL);
  }
  {
    // Enter runs the OK button's check: differing fields keep the dialog.
    PasswordSetDialog dialog(owner);
    EXPECT_EQ(RunModal(dialog,
                       [&] {
                         Field(dialog, 1134).ChangeValue("a");
                         Field(dialog, 1135).ChangeValue("b");
                         Press(Field(dialog, 1135), WXK_RETURN);
                         ASSERT_TRUE(dialog.IsModal());
                         Field(dialog, 1135).ChangeValue("a");
                         Press(Field(dialog, 1134), WXK_NUMPAD_ENTER);
                       }),
              wxID_OK);
    EXPECT_EQ(Script().Kinds(), std::vector<std::string>{"error"});
    EXPECT_EQ(dialog.Password(), "a");
  }
  {
    PasswordSetDialog dialog(owner);
    EXPECT_EQ(RunModal(dialog, [&] { Press(Field(dialog, 1135), WXK_ESCAPE); }), wxID_CANCEL);
  }
}

TEST(JapaneseLabels, ToolkitDialogsAndMessageBoxes) {
  // What the toolkit's file choosers and other dialogs put on their buttons.
  EXPECT_TRUE(wxGetStockLabel(wxID_CANCEL, wxSTOCK_NOFLAGS).StartsWith(U("キャンセル")));
  EXPECT_TRUE(wxGetStockLabel(wxID_SAVE, wxSTOCK_NOFLAGS).StartsWith(U("保存")));
  EXPECT_TRUE(wxGetStockLabel(wxID_CLOSE, wxSTOCK_NOFLAGS).StartsWith(U("閉じる")));

  wxMessageDialog box(App().Frame(), "text", "caption", wxYES_NO | wxCANCEL);
  SetButtonLabels(box);
  EXPECT_EQ(box.GetYesLabel(), U("はい"));
  EXPECT_EQ(box.GetNoLabel(), U("いいえ"));
  EXPECT_EQ(box.GetCancelLabel(), U("キャンセル"));
  EXPECT_EQ(box.GetOKLabel(), "OK");
}

}  // namespace
}  // namespace listora::test
