#pragma once
// A separated text file imported as items (table_import.h) without holding
// its text and the items at once: the file is read whole to settle how its
// bytes read, exactly as DecodeTextFile settles it, then read again a piece
// at a time through the same descriptor, each piece decoded and made
// records before the next is read. Its peak is the records and one piece
// rather than the records and the whole text.

#include <cstddef>
#include <filesystem>

#include "core/base/file_io.h"
#include "core/doc/table_import.h"
#include "core/text/text_file.h"

namespace listora {

struct FileImport {
  // False when the file could not be read, or changed while it was:
  // `error` says why.
  bool read = false;
  FileError error;
  // How the bytes read; refused when `text.badLine` is not 0, and then
  // nothing else is read.
  TextReading text;
  ImportOptions options;
  ImportedTable table;
};

// Bytes read at a time.
inline constexpr std::size_t kImportPiece = std::size_t{1} << 20;

// Reads `file` as `encoding` and `choices` say into a table for a target
// of `columns` user columns.
FileImport ImportTextFile(const std::filesystem::path& file, TextEncoding encoding,
                          const ImportChoices& choices, int columns,
                          std::size_t piece = kImportPiece);

}  // namespace listora
