#pragma once
// Message texts of the item tools: item entry, duplicate search, find and replace and
// the list search. UTF-8, like the program's other message texts.

#include <string_view>

namespace listora::msg {

inline constexpr std::string_view kSearchResultCaption = "検索結果";

// Item entry.
inline constexpr std::string_view kFieldCountFormat = "現在の項目数: %d";
inline constexpr std::string_view kTooManyFields = "カラム数より項目数が多いです";
inline constexpr std::string_view kBulkTextEmpty = "項目が未入力です";
inline constexpr std::string_view kAllFieldsEmpty =
    "すべての項目が未入力です\nどれかひとつは入力してください";

// Duplicate search.
inline constexpr std::string_view kNoDuplicates = "重複アイテムはありませんでした。";
// Labels of the result dialog; each takes one int.
inline constexpr std::string_view kDuplicateRowsFormat = "総アイテム数: %4d";
inline constexpr std::string_view kDuplicateTickedFormat = "チェックアイテム数: %4d";
inline constexpr std::string_view kDuplicateGroupsFormat = "重複数: %4d 組";

// Find and replace.
inline constexpr std::string_view kFindFinished = "検索が終了しました";
inline constexpr std::string_view kReplaceFinished = "置換が終了しました";

// List search: the quoted search text, then one of these (the first with the
// count between its two halves).
inline constexpr std::string_view kListSearchFoundHead = " を含むアイテムが ";
inline constexpr std::string_view kListSearchFoundTail = " 個見つかりました。";
inline constexpr std::string_view kListSearchNotFound = " を含むアイテムは見つかりませんでした";

}  // namespace listora::msg
