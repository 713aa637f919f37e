#include "core/base/translation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "core/base/file_io.h"
#include "core/base/language.h"
#include "core/base/messages.h"
#include "support/test_support.h"

namespace listora {
namespace {

TEST(LanguageTest, FollowsTheEnvironmentAsGettextReadsIt) {
  using Env = std::map<std::string, std::string>;
  const struct {
    Env env;
    Language expected;
  } cases[] = {
      {{}, Language::kJapanese},
      {{{"LANG", "C"}}, Language::kJapanese},
      {{{"LANG", "POSIX"}}, Language::kJapanese},
      {{{"LANG", "C.UTF-8"}}, Language::kJapanese},
      {{{"LANG", "ja_JP.UTF-8"}}, Language::kJapanese},
      {{{"LANG", "en_US.UTF-8"}}, Language::kEnglish},
      {{{"LANG", "de_DE@euro"}}, Language::kEnglish},
      {{{"LANG", ""}, {"LC_MESSAGES", "en_GB.UTF-8"}}, Language::kEnglish},
      // LC_ALL before LC_MESSAGES before LANG.
      {{{"LC_ALL", "ja_JP.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}, Language::kJapanese},
      {{{"LC_MESSAGES", "en_US.UTF-8"}, {"LANG", "ja_JP.UTF-8"}}, Language::kEnglish},
      // LANGUAGE: the first language spoken here wins, under any locale but C.
      {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "ja:en"}}, Language::kJapanese},
      {{{"LANG", "ja_JP.UTF-8"}, {"LANGUAGE", "fr_FR:en"}}, Language::kEnglish},
      {{{"LANG", "ja_JP.UTF-8"}, {"LANGUAGE", "de:ja"}}, Language::kJapanese},
      {{{"LANG", "ja_JP.UTF-8"}, {"LANGUAGE", "de:fr"}}, Language::kEnglish},
      {{{"LC_ALL", "C"}, {"LANGUAGE", "en"}}, Language::kJapanese},
  };
  for (const auto& c : cases) {
    const Language chosen = ChooseLanguage([&c](const char* name) {
      const auto found = c.env.find(name);
      return found == c.env.end() ? nullptr : found->second.c_str();
    });
    std::string shown;
    for (const auto& [name, value] : c.env) shown += name + "=" + value + " ";
    EXPECT_EQ(chosen, c.expected) << shown;
  }
}

class CatalogueTest : public ::testing::Test {
 protected:
  void TearDown() override { UnloadCatalogue(); }

  // A catalogue as msgfmt builds it from `entries` (the .po's body).
  std::string Compiled(const std::string& entries) {
    const std::filesystem::path po = dir_ / "t.po", mo = dir_ / "t.mo";
    std::ofstream(po) << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n"
                         "Plural-Forms: nplurals=2; plural=(n != 1);\\n\"\n\n"
                      << entries;
    const std::string command = "msgfmt -o '" + mo.string() + "' '" + po.string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return ReadFileBytes(mo).value_or("");
  }

  test::TempDir dir_;
};

TEST_F(CatalogueTest, TranslatesWhatItHoldsAndLeavesTheRestJapanese) {
  ASSERT_TRUE(
      LoadCatalogue(Compiled("msgid \"エラー\"\nmsgstr \"Error\"\n\n"
                             "msgid \"%s を含むアイテムが %d 個見つかりました。\"\n"
                             "msgid_plural \"%s を含むアイテムが %d 個見つかりました。\"\n"
                             "msgstr[0] \"One item containing %s was found.\"\n"
                             "msgstr[1] \"%d items containing %s were found.\"\n\n"
                             "msgid \"無題\"\nmsgstr \"\"\n")));
  EXPECT_EQ(Tr("エラー"), "Error");
  EXPECT_EQ(std::string_view(msg::kErrorCaption), "Error");
  EXPECT_EQ(msg::kErrorCaption.Id(), "エラー");
  // Untranslated and unknown texts, and the empty text, show their ids.
  EXPECT_EQ(Tr("無題"), "無題");
  EXPECT_EQ(Tr("確認"), "確認");
  EXPECT_EQ(Tr(""), "");
  EXPECT_EQ(msg::kListSearchFound.For(1), "One item containing %s was found.");
  EXPECT_EQ(msg::kListSearchFound.For(0), "%d items containing %s were found.");
  EXPECT_EQ(msg::kListSearchFound.For(2), "%d items containing %s were found.");

  UnloadCatalogue();
  EXPECT_EQ(std::string_view(msg::kErrorCaption), "エラー");
  EXPECT_EQ(msg::kListSearchFound.For(2), "%s を含むアイテムが %d 個見つかりました。");
}

TEST_F(CatalogueTest, RefusesWhatIsNotACatalogue) {
  const std::string good = Compiled("msgid \"エラー\"\nmsgstr \"Error\"\n");
  std::vector<std::string> bad = {"", "not a catalogue at all, but long enough",
                                  good.substr(0, 40)};
  // Offsets and lengths of the tables and texts pointing past the end.
  for (const std::size_t field : {12u, 16u, 28u, 32u, 44u}) {
    std::string broken = good;
    broken[field + 2] = '\x7f';
    bad.push_back(broken);
  }
  for (const std::string& bytes : bad) {
    EXPECT_FALSE(LoadCatalogue(bytes)) << bytes.size();
    EXPECT_EQ(Tr("エラー"), "エラー");
  }
  EXPECT_FALSE(LoadCatalogueFile(dir_ / "missing.mo"));
}

}  // namespace
}  // namespace listora
