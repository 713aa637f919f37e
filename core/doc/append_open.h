#pragma once
// Append-open: the items of other document files added after the open
// document's, file by file in the order given. The open document keeps its
// settings and columns; a file that cannot be used is skipped, with the
// message the program shows for it, and the run goes on with the next one.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/doc/item_table.h"

namespace listora {

// The message shown for a skipped file (UTF-8 texts from core/base/messages.h).
struct AppendMessage {
  std::filesystem::path file;
  std::string_view caption;  // msg::kAppTitle for format errors, else msg::kErrorCaption
  std::string_view text;
};

struct AppendCallbacks {
  // Asked for each file in protection mode 1; an empty answer refuses it.
  std::function<std::string(const std::filesystem::path& file)> askPassword;
  // Called before a file's items are read, with its stored item count.
  std::function<void(const std::filesystem::path& file, std::uint32_t total)> begin;
  // Called after each record with the number of the current file's records
  // read so far; returning true ends the run after that record.
  std::function<bool(int done)> step;
  // Called as soon as a file is refused, before the next one is read, so
  // its message shows while the user still knows which file it was.
  std::function<void(const AppendMessage& message)> refused;
};

struct AppendResult {
  int total = 0;     // the table's item count afterwards
  int appended = 0;  // items added by the run
  bool cancelled = false;
  // One per refused file, in file order. A file that cannot be read is
  // skipped without one, as the program does.
  std::vector<AppendMessage> messages;
};

// Appends the items of `files` to `items`, taking only the first
// `columnCount` columns (C of the open document, column 0 included) of each
// record. The caller marks the document modified whatever the result.
AppendResult AppendOpen(std::span<const std::filesystem::path> files, int columnCount,
                        const AppendCallbacks& callbacks, ItemTable& items);

}  // namespace listora
