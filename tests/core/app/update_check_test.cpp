#include "core/app/update_check.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"

namespace listora {
namespace {

using namespace std::literals;

TEST(UpdateCheckTest, Addresses) {
  EXPECT_EQ(UpdateCheckUrl("http://www.example.jp/"),
            "http://www.example.jp/cgi/upcheck.cgi?app=Listora&ver=121");
  EXPECT_EQ(WebPageUrl("https://www.example.jp:8080"), "https://www.example.jp:8080/listora.html");
}

TEST(UpdateCheckTest, Versions) {
  UpdateReply r = ReadUpdateReply("Listora-121\n");
  EXPECT_EQ(r.verdict, UpdateVerdict::kUpToDate);
  EXPECT_EQ(r.version, 121);

  r = ReadUpdateReply("Listora-122 \t\r\nListora-999\n");
  EXPECT_EQ(r.verdict, UpdateVerdict::kNewer);
  EXPECT_EQ(r.versionText, "122");
  EXPECT_EQ(r.displayText, "1.22");
  EXPECT_EQ(NewerVersionQuestion(r.displayText),
            "\"Version 1.22\" にバージョンアップしています。\r\nwebページを開きますか？");

  EXPECT_EQ(ReadUpdateReply("Listora-200").displayText, "2.00");
  EXPECT_EQ(ReadUpdateReply("Listora-100\nListora-300\n").verdict, UpdateVerdict::kUpToDate);

  // No "-": the whole line is the version text, which has no digits.
  r = ReadUpdateReply("Listora\r\n");
  EXPECT_EQ(r.verdict, UpdateVerdict::kUpToDate);
  EXPECT_EQ(r.version, 0);
  EXPECT_EQ(ReadUpdateReply("Listora300").version, 0);
  EXPECT_EQ(ReadUpdateReply("Listora--300").version, 0);
}

TEST(UpdateCheckTest, UntrustedReplies) {
  for (std::string_view reply :
       {""sv, "\n"sv, "listora-200"sv, " Listora-200"sv, "<html><body>Not Found</body></html>"sv,
        "Listor"sv, "\0Listora-200"sv}) {
    EXPECT_EQ(ReadUpdateReply(reply).verdict, UpdateVerdict::kNoVersionInfo) << reply;
  }

  // Only the first 99 bytes count: a "-" beyond them is not seen.
  const std::string late = "Listora" + std::string(92, ' ') + "-500\n";
  EXPECT_EQ(FirstReplyLine(late).size(), kReplyLineMax);
  EXPECT_EQ(ReadUpdateReply(late).version, 0);
  EXPECT_EQ(ReadUpdateReply(std::string(1'000'000, 'x')).verdict, UpdateVerdict::kNoVersionInfo);

  // Digits that overflow saturate; a NUL ends the text.
  const UpdateReply big = ReadUpdateReply("Listora-" + std::string(200, '9'));
  EXPECT_EQ(big.verdict, UpdateVerdict::kNewer);
  EXPECT_EQ(big.versionText.size(), kReplyLineMax - 8);
  const std::string withNul("Listora\0-500", 12);
  EXPECT_EQ(ReadUpdateReply(withNul).version, 0);

  // The point goes before the last two characters, never inside one.
  EXPECT_EQ(ReadUpdateReply("Listora-130" + test::Sj("版")).displayText, "13.0" + test::Sj("版"));
  EXPECT_EQ(ReadUpdateReply("Listora-").displayText, ".");
}

}  // namespace
}  // namespace listora
