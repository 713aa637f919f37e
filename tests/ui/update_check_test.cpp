// The update check against a server of the test's own on 127.0.0.1: the
// transfer, and the dialog's verdicts; also the about box and help page.

#include "core/app/update_check.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/hyperlink.h>
#include <wx/iconbndl.h>
#include <wx/image.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "core/app/version.h"
#include "support/test_support.h"
#include "ui/app/about_dialog.h"
#include "ui/app/app_commands.h"
#include "ui/app/listora_app.h"
#include "ui/app/update_check_dialog.h"
#include "ui/app/update_transfer.h"
#include "ui/frame/main_frame.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/test_http_server.h"

namespace listora::test {
namespace {

using namespace std::chrono_literals;

std::string Ok(const std::string& body) { return "HTTP/1.0 200 OK\r\n\r\n" + body; }

TransferResult Fetch(const std::string& server, std::chrono::milliseconds timeout = 3s) {
  std::atomic<bool> cancel{false};
  return FetchReplyStart(UpdateCheckUrl(server), timeout, cancel);
}

TEST(UpdateTransfer, SendsTheRequestAndReadsTheFirstLineOnly) {
  TestHttpServer server(Ok("Listora-122\r\nsecond line\n"));
  const TransferResult result = Fetch(server.Address());
  ASSERT_TRUE(result.connected);
  EXPECT_EQ(FirstReplyLine(result.body), "Listora-122\r\n");
  ASSERT_EQ(server.Requests().size(), 1u);
  const std::string head = server.Requests()[0];
  EXPECT_TRUE(head.starts_with("GET /cgi/upcheck.cgi?app=Listora&ver=121 HTTP/1.1\r\n")) << head;
  EXPECT_NE(head.find("\r\nUser-Agent: Listora\r\n"), std::string::npos) << head;
}

TEST(UpdateTransfer, OversizedRedirectedAndGarbageRepliesAreBounded) {
  // A 20 MB line: no more than the first 99 bytes are kept.
  TestHttpServer huge(Ok("Listora-" + std::string(20 << 20, '9')));
  const TransferResult big = Fetch(huge.Address());
  ASSERT_TRUE(big.connected);
  EXPECT_EQ(big.body.size(), kReplyLineMax);

  // A redirection is not followed: its own body is the reply.
  TestHttpServer moved(
      "HTTP/1.0 302 Found\r\nLocation: /cgi/upcheck.cgi?again\r\n"
      "Content-Length: 15\r\n\r\n<html>moved</a>");
  const TransferResult redirect = Fetch(moved.Address());
  ASSERT_TRUE(redirect.connected);
  EXPECT_EQ(redirect.body, "<html>moved</a>");
  EXPECT_EQ(moved.Requests().size(), 1u);
  EXPECT_EQ(ReadUpdateReply(redirect.body).verdict, UpdateVerdict::kNoVersionInfo);

  // Not HTTP at all; the reply holds a zero byte, so its length is the
  // literal's size.
  static constexpr char kGarbage[] = "\x01\x02\xff garbage\0Listora-200\n";
  TestHttpServer garbage(std::string(kGarbage, sizeof kGarbage - 1));
  const TransferResult junk = Fetch(garbage.Address());
  EXPECT_EQ(ReadUpdateReply(junk.body).verdict, UpdateVerdict::kNoVersionInfo);
}

TEST(UpdateTransfer, RefusedAndSlowServersEndInAConnectionErrorWithinTheTimeout) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(Fetch(RefusingAddress()).connected);

  TestHttpServer slow(Ok("Listora-122\n"), 20s);
  EXPECT_FALSE(Fetch(slow.Address(), 500ms).connected);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
}

wxString StatusOf(UpdateCheckDialog& dialog) {
  return static_cast<wxStaticText*>(dialog.FindWindow(UpdateCheckDialog::kStatusText))->GetLabel();
}

// Presses "今すぐチェック" on a dialog for `server` and waits for the verdict.
void Check(UpdateCheckDialog& dialog) {
  wxCommandEvent click(wxEVT_BUTTON, UpdateCheckDialog::kCheckButton);
  dialog.FindWindow(UpdateCheckDialog::kCheckButton)->GetEventHandler()->ProcessEvent(click);
  ASSERT_TRUE(PumpUntil([&] { return !dialog.Checking(); }));
}

TEST(UpdateCheckDialogTest, EachReplyGetsItsMessageAndTheStatusTextComesBack) {
  StartFresh();
  const wxString idle = wxString::FromUTF8("アップデートの有無を調べます。");
  struct Case {
    std::string reply;
    std::string kind;
    std::string text;
  };
  const Case cases[] = {
      {Ok("Listora-121\n"), "info", "バージョンアップはありません。"},
      {Ok("Listora\n"), "info", "バージョンアップはありません。"},
      {Ok("Listora-200\n"), "question",
       "\"Version 2.00\" にバージョンアップしています。\r\nwebページを開きますか？"},
      {Ok("<html>Not found</html>"), "error", "バージョン情報がありません"},
      {Ok(""), "error", "バージョン情報がありません"},
  };
  for (const Case& c : cases) {
    TestHttpServer server(c.reply);
    UpdateCheckDialog dialog(nullptr, server.Address());
    dialog.Show();
    Script().Reset();
    Check(dialog);
    ASSERT_EQ(Script().Kinds(), std::vector<std::string>{c.kind}) << c.reply;
    EXPECT_EQ(Script().asked[0].text, wxString::FromUTF8(c.text));
    EXPECT_EQ(StatusOf(dialog), idle);
  }

  Script().Reset();
  UpdateCheckDialog refused(nullptr, RefusingAddress());
  Check(refused);
  EXPECT_EQ(Script().asked.at(0).text, wxString::FromUTF8("接続エラー"));

  // Without a configured server there is nothing to ask.
  Script().Reset();
  UpdateCheckDialog unconfigured(nullptr, "");
  Check(unconfigured);
  EXPECT_EQ(Script().asked.at(0).text, wxString::FromUTF8("バージョン情報がありません"));
}

TEST(UpdateCheckDialogTest, StaysResponsiveWhileCheckingAndClosesAtOnce) {
  StartFresh();
  TestHttpServer slow(Ok("Listora-122\n"), 20s);
  const auto start = std::chrono::steady_clock::now();
  {
    UpdateCheckDialog dialog(nullptr, slow.Address(), 10s);
    dialog.Show();
    wxCommandEvent click(wxEVT_BUTTON, UpdateCheckDialog::kCheckButton);
    dialog.FindWindow(UpdateCheckDialog::kCheckButton)->GetEventHandler()->ProcessEvent(click);
    Pump();
    EXPECT_TRUE(dialog.Checking());
    EXPECT_EQ(StatusOf(dialog),
              wxString::FromUTF8("現在チェック中です。\nしばらくお待ちください。"));
    EXPECT_FALSE(dialog.FindWindow(UpdateCheckDialog::kCheckButton)->IsEnabled());
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
  EXPECT_TRUE(Script().asked.empty());
}

TEST(UpdateCheckDialogTest, EscapeClosesIt) {
  StartFresh();
  UpdateCheckDialog dialog(nullptr, "");
  dialog.CallAfter([&dialog] {
    wxWindow& button = *dialog.FindWindow(UpdateCheckDialog::kCheckButton);
    wxKeyEvent escape(wxEVT_CHAR_HOOK);
    escape.m_keyCode = WXK_ESCAPE;
    escape.SetEventObject(&button);
    button.ProcessWindowEvent(escape);
    if (dialog.IsModal()) dialog.EndModal(-1);
  });
  EXPECT_EQ(dialog.ShowModal(), wxID_CANCEL);
  EXPECT_TRUE(Script().asked.empty());
}

TEST(AboutAndHelp, AboutLinksToTheConfiguredPageAndHelpIsFound) {
  StartFresh();
  {
    AboutDialog about(nullptr, "http://updates.example:8080/");
    auto* link = dynamic_cast<wxHyperlinkCtrl*>(about.FindWindow(AboutDialog::kWebLink));
    ASSERT_TRUE(link);
    EXPECT_EQ(link->GetURL(), "http://updates.example:8080/listora.html");
  }
  {
    AboutDialog about(nullptr, "");
    EXPECT_FALSE(about.FindWindow(AboutDialog::kWebLink));
    // The version is the build's, as ltbtool and the package give it.
    int versions = 0;
    for (wxWindow* child : about.GetChildren())
      if (child->GetLabel() ==
          "Listora Version " + wxString::FromUTF8(kVersion.data(), kVersion.size()))
        ++versions;
    EXPECT_EQ(versions, 1);
  }

  TempDir dir;
  std::filesystem::create_directories(dir / "bin");
  EXPECT_TRUE(HelpPage(dir / "bin").empty());
  std::filesystem::create_directories(dir / "share" / "listora");
  WriteAll(dir / "share" / "listora" / "listora-help.html", "<html></html>");
  EXPECT_EQ(HelpPage(dir / "bin"), dir.path() / "share" / "listora" / "listora-help.html");
  WriteAll(dir / "bin" / "listora-help.html", "<html></html>");
  EXPECT_EQ(HelpPage(dir / "bin"), dir.path() / "bin" / "listora-help.html");
}

// The program's icon at 32 pixels: the middle of its title bar is the
// dark blue of data/listora.svg.
bool IsProgramIcon(const wxBitmap& bitmap) {
  if (!bitmap.IsOk() || bitmap.GetWidth() != 32 || bitmap.GetHeight() != 32) return false;
  const wxImage image = bitmap.ConvertToImage();
  const auto near = [](int value, int wanted) { return std::abs(value - wanted) <= 4; };
  return near(image.GetRed(16, 5), 0x2e) && near(image.GetGreen(16, 5), 0x5c) &&
         near(image.GetBlue(16, 5), 0x8a);
}

TEST(ProgramIcon, MainWindowAndAboutBoxShowTheProgramsIcon) {
  StartFresh();
  const wxIconBundle& icons = App().Frame()->GetIcons();
  ASSERT_FALSE(icons.IsEmpty());
  EXPECT_TRUE(IsProgramIcon(wxBitmap(icons.GetIcon(32))));
  EXPECT_TRUE(icons.GetIcon(16).IsOk());

  AboutDialog about(nullptr, "");
  int pictures = 0;
  for (wxWindow* child : about.GetChildren()) {
    if (auto* picture = dynamic_cast<wxStaticBitmap*>(child)) {
      ++pictures;
      EXPECT_TRUE(IsProgramIcon(picture->GetBitmap()));
    }
  }
  EXPECT_EQ(pictures, 1);
}

}  // namespace
}  // namespace listora::test
