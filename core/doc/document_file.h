#pragma once
// The ".ltb" document file: a 100-byte header, the settings section (the
// five per-document settings blocks and the search history) and the item
// section (every item as one text), each section plain or enciphered
// according to the header's protection mode.

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/doc/columns.h"
#include "core/doc/document.h"
#include "core/doc/item_table.h"

namespace listora {

inline constexpr std::size_t kHeaderSize = 100;
inline constexpr std::size_t kSettingsBlocksSize = 3096;
inline constexpr std::size_t kMaxStoredHistory = 10;

enum class ProtectionMode : std::uint8_t { kPlain = 0, kPassword = 1, kEncrypted = 2 };

struct FileHeader {
  std::uint8_t version = 0;
  std::uint8_t revision = 0;
  std::uint32_t itemCount = 0;
  std::uint32_t historyCount = 0;
  std::uint32_t itemOffset = 0;
  std::uint8_t columnCount = 0;
  std::uint8_t mode = 0;
};

enum class LoadStatus {
  kLoaded,
  kCancelled,      // stopped by the user: the items read so far are kept
  kNotDocument,    // "LTBファィルではありません。"
  kBadVersion,     // "ファイルのバージョンが違います。"
  kEndedEarly,     // "ファイルが途中で終わっています。": cut before its items
  kWrongPassword,  // "パスワードが違います。"
};

// The message a refused load shows (UTF-8), empty for kLoaded/kCancelled.
std::string_view LoadStatusMessage(LoadStatus status);

struct LoadCallbacks {
  // Asked once, only for protection mode 1; returns the typed password
  // (empty when the dialog was left without one).
  std::function<std::string()> askPassword;
  // Called once before the items are parsed with the stored item count.
  std::function<void(std::uint32_t total)> begin;
  // Called after each record with the number of records read so far, and
  // with 0 now and then while an enciphered item section is deciphered;
  // returning true stops the load there.
  std::function<bool(int done)> step;
};

struct LoadResult {
  LoadStatus status = LoadStatus::kLoaded;
  FileHeader header;
  std::string password;  // the password the file was opened with (mode 1)
  // Items read with every separator of their record, the items loaded: a
  // record cut off (its memo or image path perhaps shortened) is dropped.
  int wholeItems = 0;
  // The item section ended (or the table was full) before the stored count
  // of whole items was read; what was there is kept.
  bool endedEarly = false;
};

// What the user is told about a document that ended early (UTF-8).
std::string EndedEarlyMessage(const LoadResult& result);

// Reads the header alone; nullopt when fewer than 100 bytes are present.
std::optional<FileHeader> ReadHeader(std::string_view bytes);

// Loads a whole file image into `doc`. On a refused load `doc` is left empty
// (new-document state is the caller's to restore).
LoadResult LoadDocument(std::string_view bytes, const LoadCallbacks& callbacks, Document& doc);
// The same, taking the file image over: the items then refer to it where it
// lies (an enciphered one is deciphered in place) instead of to a copy.
LoadResult LoadDocument(std::string&& bytes, const LoadCallbacks& callbacks, Document& doc);

// Items only, for append-open: appends the file's items after those of
// `items`, taking only the first `keepColumns` columns of each record. The
// file's settings are not applied.
LoadResult LoadItemsForAppend(std::string_view bytes, int keepColumns,
                              const LoadCallbacks& callbacks, ItemTable& items);
LoadResult LoadItemsForAppend(std::string&& bytes, int keepColumns, const LoadCallbacks& callbacks,
                              ItemTable& items);

// The protection mode a save uses under the `Main`/`Pass` and `Main`/`Ango`
// settings; clears `password` where that mode stores none.
ProtectionMode ChooseProtectionMode(bool passSetting, bool angoSetting, std::string& password);

struct StoreOptions {
  ProtectionMode mode = ProtectionMode::kPlain;
  std::string_view password;  // used in mode 1
  // Column display order (display position -> column index) of columns
  // 0..C-1; empty means the natural order.
  std::span<const int> displayOrder;
};

// Builds the file image. Columns are written in display order, and so is
// the column descriptor block.
std::string StoreDocument(const Document& doc, const StoreOptions& options);

// The same image in pieces to be written one after another: a plain
// document's long runs of records are not copied but viewed where the
// items hold them, so the image costs little beside the items. The views
// hold while the document is unchanged.
struct StoredPieces {
  std::deque<std::string> owned;
  std::vector<std::string_view> pieces;
};
StoredPieces StoreDocumentPieces(const Document& doc, const StoreOptions& options);

}  // namespace listora
