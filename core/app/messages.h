#pragma once
// The program's own message texts. They are only ever shown to the user, so
// they are kept in UTF-8, the edges' encoding.

#include <string_view>

namespace listora::msg {

inline constexpr std::string_view kAppTitle = "Listora";
inline constexpr std::string_view kErrorCaption = "エラー";
inline constexpr std::string_view kConfirmCaption = "確認";

inline constexpr std::string_view kNotLtb = "LTBファィルではありません。";
// Append-open spells it with the ordinary small "イ".
inline constexpr std::string_view kNotLtbAppend = "LTBファイルではありません。";
inline constexpr std::string_view kBadVersion = "ファイルのバージョンが違います。";
inline constexpr std::string_view kWrongPassword = "パスワードが違います。";
inline constexpr std::string_view kPasswordsDiffer = "パスワードが違います";
inline constexpr std::string_view kColumnsAtMaximum = "カラム数が最大です";
inline constexpr std::string_view kCannotDeleteColumn = "これ以上削除できません";
inline constexpr std::string_view kUntitled = "無題";
// Asked before a save or an export replaces an existing file; %s is its name.
inline constexpr std::string_view kOverwriteQuestion = "%s は既に存在します。\n上書きしますか？";
inline constexpr std::string_view kTotalCount = "　総アイテム数: %d";
inline constexpr std::string_view kSelectedCount = "　選択アイテム数: %d";

// The update check.
inline constexpr std::string_view kVersionCheckCaption = "バージョンチェック";
inline constexpr std::string_view kConnectionError = "接続エラー";
inline constexpr std::string_view kNoVersionInfo = "バージョン情報がありません";
inline constexpr std::string_view kNoNewerVersion = "バージョンアップはありません。";
// The question is these two around the new version's display text.
inline constexpr std::string_view kNewerVersionBefore = "\"Version ";
inline constexpr std::string_view kNewerVersionAfter =
    "\" にバージョンアップしています。\r\nwebページを開きますか？";

}  // namespace listora::msg
