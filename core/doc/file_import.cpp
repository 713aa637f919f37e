#include "core/doc/file_import.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace listora {

namespace {

// Lines of the bytes, a bound for the records they make: those ended by a
// line feed, or by a carriage return in a file without line feeds.
std::size_t LineCount(std::string_view bytes) {
  const auto count = [bytes](char end) {
    std::size_t lines = 0;
    for (std::size_t at = bytes.find(end); at != bytes.npos; at = bytes.find(end, at + 1)) ++lines;
    return lines;
  };
  const std::size_t feeds = count('\n');
  return (feeds != 0 ? feeds : count('\r')) + 1;
}

}  // namespace

FileImport ImportTextFile(const std::filesystem::path& file, TextEncoding encoding,
                          const ImportChoices& choices, int columns, std::size_t piece) {
  FileImport result;
  OpenedFile opened;
  if (!opened.Open(file, &result.error)) return result;
  std::optional<std::string> bytes = opened.ReadAll(&result.error);
  if (!bytes) return result;
  result.text = CheckTextFile(*bytes, encoding);
  if (result.text.badLine != 0) {
    result.read = true;
    return result;
  }
  const std::size_t size = bytes->size();
  const std::size_t lines = LineCount(*bytes);
  bytes.reset();

  TextPieceDecoder decoder(result.text);
  std::string raw;
  std::uint64_t offset = 0;
  bool failed = false;
  bool changed = false;
  // Appends the text of the next piece; false with the last.
  const auto more = [&](std::string& text) {
    raw.clear();
    const std::optional<std::size_t> got = opened.ReadAt(offset, piece, raw, &result.error);
    failed = !got;
    const bool last = failed || *got == 0;
    if (got) offset += *got;
    changed = !decoder.Decode(raw, last, text) || changed;
    return !last;
  };
  // The options come from the text's start, read until it tells them.
  std::string start;
  bool last = false;
  std::optional<ImportOptions> options;
  while (!options) {
    const std::size_t wanted = 2 * start.size();
    do last = !more(start);
    while (!last && start.size() < wanted);
    options =
        last ? ResolveImport(start, file, choices) : ResolveImportFromStart(start, file, choices);
  }
  options->columns = columns;
  bool startGiven = false;
  const auto rest = [&](std::string& text) {
    if (std::exchange(startGiven, true)) return more(text);
    text += start;
    std::string().swap(start);
    return !last;
  };
  result.table = ImportRecords(rest, size, lines, *options);
  result.options = *options;
  result.read = !failed && opened.Unchanged(&result.error, changed);
  return result;
}

}  // namespace listora
