#pragma once
// Automatic insertion: one item per file (or, in folders-only mode, per
// folder) found in a folder and, when so set, its sub-folders; also the
// insertion of dropped paths and of the paths after "-D" on the command line.
//
// Entries of a folder are taken in name order (ASCII letters folded). A
// folder is entered at most once per enumeration, however many links lead
// to it, so a link to a parent folder cannot make it run forever.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>

#include "core/doc/document_settings.h"
#include "core/doc/item_table.h"

namespace listora {

struct InsertOptions {
  AutoInsertSettings settings{};  // the document's block
  int columnCount = kMinColumns;  // C, column 0 included
  std::uint32_t skipMask = 0;     // ReadAttributeSkipMask()
  // Polled once per directory entry; true stops the whole run. The desktop
  // program dispatches its pending messages here.
  std::function<bool()> cancelled;
  // The time for "現在の日時"; the system clock when empty.
  std::function<std::int64_t()> now;
};

struct InsertResult {
  int inserted = 0;         // the insertion counter: items appended
  bool enumerated = false;  // the run's folder, or a given folder, was enumerated
  bool cancelled = false;
};

// The automatic insertion command's run over the settings' folder. The
// caller then marks the document modified, whatever the result.
InsertResult RunAutoInsert(ItemTable& table, const InsertOptions& options);

// Drop insertion and "-D" insertion: each path that exists and is not
// skipped by the mask is, when a folder, enumerated (its first level always,
// deeper levels as the sub-folder setting says) and then decided on like an
// entry of a folder. The caller marks the document modified when something
// was enumerated or inserted.
InsertResult InsertPaths(ItemTable& table, const InsertOptions& options,
                         std::span<const std::filesystem::path> paths);

}  // namespace listora
