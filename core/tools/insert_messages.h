#pragma once
// Message texts of automatic insertion and of the image path policy. UTF-8,
// like the program's other message texts.

#include <string_view>

namespace listora::msg {

inline constexpr std::string_view kEnterFolderName = "フォルダ名を入力してください";
inline constexpr std::string_view kChooseInsertFolder = "取り込むフォルダを選択して下さい。";
inline constexpr std::string_view kOverwriteImage =
    "コピー先に同名ファイルが存在します。\r\n上書きしますか？";
// Followed by the target path and the system's reason.
inline constexpr std::string_view kImageCopyFailed = "画像ファイルをコピーできませんでした: ";

}  // namespace listora::msg
