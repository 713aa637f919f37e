#pragma once
// Message texts of the text and image panes. UTF-8, like the program's
// other message texts.

#include <string_view>

namespace listora::msg {

inline constexpr std::string_view kNoAssociatedApplication =
    "関連付けられたアプリケーションがありません";
// Must name kMaxMemoFileBytes (memo_file.h).
inline constexpr std::string_view kMemoFileTooLarge =
    "ファイルが大きすぎるため、メモにできません。\n"
    "メモにできるのは 1,048,576 バイトまでのファイルです。";

}  // namespace listora::msg
