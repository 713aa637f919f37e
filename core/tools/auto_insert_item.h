#pragma once
// What automatic insertion puts into each column: one of eleven item kinds
// per column, filled from one file or folder.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/base/file_entry.h"
#include "core/doc/document_settings.h"
#include "core/doc/item_table.h"

namespace listora {

enum ItemKind : int {
  kKindFolderName = 0,  // "フォルダ名"
  kKindFullPath = 1,    // "フルパス名"
  kKindFileName = 2,    // "ファイル名(拡張子有り)"
  kKindBaseName = 3,    // "ファイル名(拡張子無し)"
  kKindExtension = 4,   // "拡張子"
  kKindSize = 5,        // "ファイルサイズ"
  kKindCreated = 6,     // "作成日時"
  kKindWritten = 7,     // "更新日時"
  kKindNow = 8,         // "現在の日時"
  kKindInputText = 9,   // "入力項目(↓)"
  kKindSerial = 10,     // "連番"
};
inline constexpr int kItemKindCount = 11;

// The serial text with every "*" replaced by `number`, zero-padded on the
// left to `digits` (held to 1..9); a text without "*" gets one at its end.
std::string SerialText(std::string_view text, std::uint64_t number, int digits);

// The serial text of the item made after `counter` earlier ones of a run.
std::string SerialTextFor(const AutoInsertSettings& settings, std::uint64_t counter);

// The value of one column of kind `kind` (an unknown kind gives "").
std::string KindValue(const AutoInsertSettings& settings, int column, const FileEntry& entry,
                      std::uint64_t counter, std::int64_t now);

// The fields of the item for `entry`: column 0 "0", user columns 1..C-1
// filled by their kinds, everything else empty.
ItemFields FillItem(const AutoInsertSettings& settings, int columnCount, const FileEntry& entry,
                    std::uint64_t counter, std::int64_t now);

// The dialog's sample for `kind` in `column`, as the file "/AAA/BBB.txt"
// would give it: "例:　" followed by the value (CP932).
std::string KindSampleText(const AutoInsertSettings& settings, int column, int kind);
// The sample while the input text is being edited.
std::string InputSampleText(std::string_view inputText);

}  // namespace listora
