#pragma once
// Message texts of printing. UTF-8, like the program's other message texts.

#include <string_view>

namespace listora::msg {

inline constexpr std::string_view kPrintCaption = "印刷";
// When margins and font size leave no room for a single row under the
// header and above the footer: the rows are then printed one per page.
inline constexpr std::string_view kRowsDoNotFit =
    "余白とフォントサイズの設定では1ページに1行も入りません。\r\n1ページに1行ずつ印刷します。";

}  // namespace listora::msg
