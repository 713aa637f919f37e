#include "core/doc/document_file.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>

#include "core/base/message_format.h"
#include "core/base/messages.h"
#include "core/doc/cipher.h"

namespace listora {

namespace {

constexpr char kFieldEnd = 0x07;
constexpr char kLineEnd = 0x0A;
constexpr char kTextEnd = 0x08;

// Offsets of the blocks within the settings data, in file order.
constexpr std::size_t kColumnsOffset = 0;
constexpr std::size_t kLayoutOffset = 1192;
constexpr std::size_t kStylesOffset = 1208;
constexpr std::size_t kAutoInsertOffset = 1448;
constexpr std::size_t kDisplayOffset = 2984;
static_assert(kDisplayOffset + sizeof(DisplayOptions) == kSettingsBlocksSize);

std::uint32_t ReadU32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

void WriteU32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

template <typename Block>
void CopyBlock(Block& block, std::string_view data, std::size_t offset) {
  std::memcpy(&block, data.data() + offset, sizeof(Block));
}

template <typename Block>
void AppendBlock(std::string& out, const Block& block) {
  out.append(reinterpret_cast<const char*>(&block), sizeof(Block));
}

std::string_view UpToZero(std::string_view text) {
  const std::size_t zero = text.find('\0');
  return zero == std::string_view::npos ? text : text.substr(0, zero);
}

// Checks the header; on success also that the offsets fit the file.
LoadStatus CheckHeader(std::string_view bytes, FileHeader& header) {
  if (bytes.size() < 2 || bytes[0] != 'L' || bytes[1] != 'T') return LoadStatus::kNotDocument;
  const auto parsed = ReadHeader(bytes);
  if (!parsed || parsed->version != 1 || parsed->revision == 0) return LoadStatus::kBadVersion;
  header = *parsed;
  // A damaged header is refused like a foreign version: there is no way to
  // tell where its sections lie.
  if (header.mode > 2 || header.itemOffset < kHeaderSize) return LoadStatus::kBadVersion;
  // The header is sound and the file ends before its items begin.
  if (header.itemOffset > bytes.size()) return LoadStatus::kEndedEarly;
  return LoadStatus::kLoaded;
}

// The plain settings data of a protected file; kWrongPassword when the
// password check fails.
LoadStatus DecryptSettings(std::string_view section, const FileHeader& header,
                           const LoadCallbacks& callbacks, std::string& password,
                           std::string& data) {
  password.clear();
  if (header.mode == static_cast<std::uint8_t>(ProtectionMode::kPassword)) {
    if (callbacks.askPassword) password = callbacks.askPassword();
    if (password.empty()) return LoadStatus::kWrongPassword;
    std::string plain = DecryptWithPassword(password, section);
    if (plain.size() < password.size() || plain.compare(0, password.size(), password) != 0) {
      password.clear();
      return LoadStatus::kWrongPassword;
    }
    data = plain.substr(password.size());
  } else {
    data = DecryptWithPassword("", section);
  }
  return LoadStatus::kLoaded;
}

// The item section's text, up to its first zero byte, deciphered where
// needed, and what keeps it alive for the table.
struct ItemSection {
  std::shared_ptr<std::string> owner;
  std::string_view text;
  bool cancelled = false;  // while it was deciphered
};

// Deciphered a stretch at a time, so that the progress is told between them.
constexpr std::size_t kDecipherStretch = std::size_t{16} << 20;

// `owned`, when given, holds `bytes` and is deciphered in place; otherwise
// the section is copied once.
ItemSection ReadItemSection(std::string_view bytes, const FileHeader& header,
                            const std::string& password, std::shared_ptr<std::string> owned,
                            const LoadCallbacks& callbacks) {
  std::size_t offset = header.itemOffset;
  if (!owned) {
    owned = std::make_shared<std::string>(bytes.substr(offset));
    offset = 0;
  }
  std::span<char> section(owned->data() + offset, owned->size() - offset);
  if (header.mode != 0) {
    // A trailing partial block (only a damaged file has one) is no text.
    section = section.first(section.size() / 8 * 8);
    for (std::size_t at = 0; at < section.size(); at += kDecipherStretch) {
      if (at > 0 && callbacks.step && callbacks.step(0)) return {owned, {}, true};
      DecryptInPlace(password,
                     section.subspan(at, std::min(kDecipherStretch, section.size() - at)));
    }
  }
  return {owned, UpToZero(std::string_view(section.data(), section.size()))};
}

struct ParseOutcome {
  int read = 0;  // whole records: those with their last separator
  bool cancelled = false;
};

const char* FindByte(const char* from, const char* end, char byte) {
  const void* found = std::memchr(from, byte, static_cast<std::size_t>(end - from));
  return found ? static_cast<const char*>(found) : end;
}

// Appends up to `count` item records of the section to `items`, taking the
// first `keepColumns` fields of each line. Stops early when the text ends or
// the callback asks to. A record already in the table's own form (its icon
// index right, nothing after the fields kept, no byte a column may not hold)
// stays where it lies; any other is cleaned into a copy.
ParseOutcome ParseRecords(const ItemSection& section, std::uint32_t count, int keepColumns,
                          const LoadCallbacks& callbacks, ItemTable& items) {
  ParseOutcome outcome;
  const std::string_view text = section.text;
  items.HoldBytes(section.owner, section.owner->size());
  const int first = items.GetSize();
  // The table numbers its rows with int: a file holding more records than
  // that is read up to the table's last row.
  const std::size_t wanted = std::min<std::size_t>(
      count, static_cast<std::size_t>(std::numeric_limits<int>::max() - first));
  // The stored count is not trusted to size the table: at most the text's,
  // and at first no more than a million rows, as a false count over a few
  // large records would reserve many times the file's size; the table grows
  // past that as records come.
  const std::size_t smallestRecord = static_cast<std::size_t>(keepColumns) + 3;
  constexpr std::size_t kFirstReserve = std::size_t{1} << 20;
  items.Reserve(first + static_cast<int>(
                            std::min({wanted, text.size() / smallestRecord + 1, kFirstReserve})));
  std::string_view fields[kMaxColumns];
  const char* p = text.data();
  const char* const end = text.data() + text.size();
  while (static_cast<std::size_t>(outcome.read) < wanted && p < end) {
    const char* const line = p;
    const char* const lineEnd = FindByte(line, end, kLineEnd);
    int found = 0;
    const char* q = line;
    while (found < keepColumns) {
      const char* const stop = FindByte(q, lineEnd, kFieldEnd);
      if (stop == lineEnd) break;
      fields[found++] = std::string_view(q, static_cast<std::size_t>(stop - q));
      q = stop + 1;
    }
    const char* const memo = std::min(lineEnd + 1, end);
    const char* const memoEnd = FindByte(memo, end, kTextEnd);
    const char* const image = std::min(memoEnd + 1, end);
    const char* const imageEnd = FindByte(image, end, kTextEnd);
    // A record cut by the end of the text is no item: a save would make
    // its fragment final.
    if (imageEnd == end) break;
    p = imageEnd + 1;
    const std::string_view memoText(memo, static_cast<std::size_t>(memoEnd - memo));
    const std::string_view imageText(image, static_cast<std::size_t>(imageEnd - image));
    const std::string icon = MakeIconIndex(memoText, imageText);

    const bool inPlace =
        q == lineEnd && found > 0 && fields[0] == icon &&
        std::memchr(line, '\r', static_cast<std::size_t>(lineEnd - line)) == nullptr;
    if (inPlace) {
      items.AppendRecord(line, static_cast<std::size_t>(lineEnd - line), found, memoText.size(),
                         imageText.size());
    } else {
      for (int j = found; j < keepColumns; ++j) fields[j] = {};
      fields[0] = icon;
      const int row = items.GetSize();
      items.ResizeRows(row + 1);
      items.SetRow(row, std::span(fields, static_cast<std::size_t>(keepColumns)), imageText,
                   memoText);
    }
    ++outcome.read;
    if (callbacks.step && callbacks.step(outcome.read)) {
      outcome.cancelled = true;
      break;
    }
  }
  return outcome;
}

// Splits the protected sections' history text: entries separated by line
// feeds, up to the first zero byte.
std::vector<std::string> HistoryFromText(std::string_view text, std::uint32_t count) {
  std::vector<std::string> history;
  text = UpToZero(text);
  while (history.size() < count && !text.empty()) {
    const std::size_t end = text.find(kLineEnd);
    history.emplace_back(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return history;
}

// The plain file's history: lines ended by LF, or by CR and the byte after it.
std::vector<std::string> HistoryFromLines(std::string_view text, std::uint32_t count) {
  std::vector<std::string> history;
  std::size_t p = 0;
  while (history.size() < count && p < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", p);
    if (end == std::string_view::npos) {
      history.emplace_back(text.substr(p));
      break;
    }
    history.emplace_back(text.substr(p, end - p));
    p = end + (text[end] == '\r' ? 2 : 1);
  }
  return history;
}

// The display order to write: the one given when it is a permutation of
// 0..count-1, else the natural order. The icon column is always written
// first: a reader takes the first field as the icon index and recomputes
// it, so a user column stored there would be lost.
std::vector<int> WriteOrder(std::span<const int> displayOrder, int count) {
  std::vector<int> order(count);
  for (int i = 0; i < count; ++i) order[i] = i;
  if (displayOrder.size() != static_cast<std::size_t>(count)) return order;
  std::vector<bool> seen(count, false);
  for (int column : displayOrder) {
    if (column < 0 || column >= count || seen[column]) return order;
    seen[column] = true;
  }
  order = {0};
  for (int column : displayOrder)
    if (column != 0) order.push_back(column);
  return order;
}

}  // namespace

std::string_view LoadStatusMessage(LoadStatus status) {
  switch (status) {
    case LoadStatus::kNotDocument: return msg::kNotLtb;
    case LoadStatus::kBadVersion: return msg::kBadVersion;
    case LoadStatus::kEndedEarly: return msg::kEndedEarly;
    case LoadStatus::kWrongPassword: return msg::kWrongPassword;
    case LoadStatus::kLoaded:
    case LoadStatus::kCancelled: break;
  }
  return {};
}

std::string EndedEarlyMessage(const LoadResult& result) {
  if (!result.endedEarly) return {};
  return FormatMessage(msg::kEndedEarlyCountFormat, result.header.itemCount, result.wholeItems);
}

std::optional<FileHeader> ReadHeader(std::string_view bytes) {
  if (bytes.size() < kHeaderSize) return std::nullopt;
  FileHeader header;
  header.version = static_cast<std::uint8_t>(bytes[2]);
  header.revision = static_cast<std::uint8_t>(bytes[3]);
  header.itemCount = ReadU32(bytes, 4);
  header.historyCount = ReadU32(bytes, 8);
  header.itemOffset = ReadU32(bytes, 12);
  header.columnCount = static_cast<std::uint8_t>(bytes[16]);
  header.mode = static_cast<std::uint8_t>(bytes[17]);
  return header;
}

namespace {

void NoteOutcome(const ParseOutcome& outcome, LoadResult& result) {
  result.wholeItems = outcome.read;
  if (outcome.cancelled)
    result.status = LoadStatus::kCancelled;
  else
    result.endedEarly = static_cast<std::uint32_t>(outcome.read) < result.header.itemCount;
}

// `owned`, when given, holds `bytes`; the items then refer to it instead of
// a copy.
LoadResult LoadDocumentFrom(std::string_view bytes, std::shared_ptr<std::string> owned,
                            const LoadCallbacks& callbacks, Document& doc) {
  LoadResult result;
  doc.settings = DocumentSettings{};
  doc.history.clear();
  doc.items.ClearRows();
  result.status = CheckHeader(bytes, result.header);
  if (result.status != LoadStatus::kLoaded) return result;
  const FileHeader& header = result.header;
  if (callbacks.begin) callbacks.begin(header.itemCount);

  const std::string_view section = bytes.substr(kHeaderSize, header.itemOffset - kHeaderSize);
  std::string decrypted;
  std::string_view data = section;
  if (header.mode != 0) {
    result.status = DecryptSettings(section, header, callbacks, result.password, decrypted);
    if (result.status != LoadStatus::kLoaded) return result;
    data = decrypted;
  }
  // A settings section too short for its blocks cannot be told apart from
  // a file of another version.
  if (data.size() < kSettingsBlocksSize) {
    result.status = LoadStatus::kBadVersion;
    result.password.clear();
    return result;
  }
  CopyBlock(doc.settings.columns, data, kColumnsOffset);
  CopyBlock(doc.settings.layout, data, kLayoutOffset);
  CopyBlock(doc.settings.styles, data, kStylesOffset);
  CopyBlock(doc.settings.autoInsert, data, kAutoInsertOffset);
  CopyBlock(doc.settings.display, data, kDisplayOffset);
  // The arrays hold eleven columns: a count outside 2..11 is clamped.
  doc.settings.columns.count =
      static_cast<std::uint16_t>(ClampColumnCount(doc.settings.columns.count));
  const std::string_view historyText = data.substr(kSettingsBlocksSize);
  doc.history = header.mode == 0 ? HistoryFromLines(historyText, header.historyCount)
                                 : HistoryFromText(historyText, header.historyCount);

  if (header.itemCount != 0) {
    const ItemSection items =
        ReadItemSection(bytes, header, result.password, std::move(owned), callbacks);
    if (items.cancelled) {
      result.status = LoadStatus::kCancelled;
      return result;
    }
    const ParseOutcome outcome =
        ParseRecords(items, header.itemCount, doc.ColumnCount(), callbacks, doc.items);
    NoteOutcome(outcome, result);
  }
  return result;
}

LoadResult LoadItemsFrom(std::string_view bytes, std::shared_ptr<std::string> owned,
                         int keepColumns, const LoadCallbacks& callbacks, ItemTable& items) {
  LoadResult result;
  result.status = CheckHeader(bytes, result.header);
  if (result.status != LoadStatus::kLoaded) return result;
  const FileHeader& header = result.header;
  if (callbacks.begin) callbacks.begin(header.itemCount);
  if (header.mode == static_cast<std::uint8_t>(ProtectionMode::kPassword)) {
    std::string ignored;
    result.status = DecryptSettings(bytes.substr(kHeaderSize, header.itemOffset - kHeaderSize),
                                    header, callbacks, result.password, ignored);
    if (result.status != LoadStatus::kLoaded) return result;
  }
  if (header.itemCount != 0) {
    const int columns =
        std::min(ClampColumnCount(header.columnCount), ClampColumnCount(keepColumns));
    const ItemSection section =
        ReadItemSection(bytes, header, result.password, std::move(owned), callbacks);
    if (section.cancelled) {
      result.status = LoadStatus::kCancelled;
      return result;
    }
    const ParseOutcome outcome = ParseRecords(section, header.itemCount, columns, callbacks, items);
    NoteOutcome(outcome, result);
  }
  return result;
}

}  // namespace

LoadResult LoadDocument(std::string_view bytes, const LoadCallbacks& callbacks, Document& doc) {
  return LoadDocumentFrom(bytes, nullptr, callbacks, doc);
}

LoadResult LoadDocument(std::string&& bytes, const LoadCallbacks& callbacks, Document& doc) {
  auto owned = std::make_shared<std::string>(std::move(bytes));
  return LoadDocumentFrom(*owned, owned, callbacks, doc);
}

LoadResult LoadItemsForAppend(std::string_view bytes, int keepColumns,
                              const LoadCallbacks& callbacks, ItemTable& items) {
  return LoadItemsFrom(bytes, nullptr, keepColumns, callbacks, items);
}

LoadResult LoadItemsForAppend(std::string&& bytes, int keepColumns, const LoadCallbacks& callbacks,
                              ItemTable& items) {
  auto owned = std::make_shared<std::string>(std::move(bytes));
  return LoadItemsFrom(*owned, owned, keepColumns, callbacks, items);
}

ProtectionMode ChooseProtectionMode(bool passSetting, bool angoSetting, std::string& password) {
  if (passSetting) return password.empty() ? ProtectionMode::kEncrypted : ProtectionMode::kPassword;
  if (angoSetting) {
    password.clear();
    return ProtectionMode::kEncrypted;
  }
  return ProtectionMode::kPlain;
}

StoredPieces StoreDocumentPieces(const Document& doc, const StoreOptions& options) {
  const int count = doc.ColumnCount();
  const std::vector<int> order = WriteOrder(options.displayOrder, count);

  // The column block is stored as the list shows it, whoever stores it,
  // and in display order like the items.
  ColumnDescriptors shown = doc.settings.columns;
  NormaliseShownColumns(shown);
  ColumnDescriptors columns = shown;
  for (int i = 0; i < count; ++i) {
    const int from = order[i];
    columns.widths[i] = shown.widths[from];
    columns.formats[i] = shown.formats[from];
    std::memcpy(columns.names[i], shown.names[from], kColumnNameSize);
  }
  columns.count = static_cast<std::uint16_t>(count);

  const std::size_t historyCount = std::min(doc.history.size(), kMaxStoredHistory);
  std::string data;
  data.reserve(kSettingsBlocksSize + 64);
  AppendBlock(data, columns);
  AppendBlock(data, doc.settings.layout);
  AppendBlock(data, doc.settings.styles);
  AppendBlock(data, doc.settings.autoInsert);
  AppendBlock(data, doc.settings.display);
  for (std::size_t i = historyCount; i-- > 0;) {
    // A line feed inside an entry would split it in two on reading.
    data += CleanColumnText(doc.history[i]);
    data += kLineEnd;
  }

  const std::string_view password =
      options.mode == ProtectionMode::kPassword ? options.password : std::string_view();
  std::string section;
  if (options.mode == ProtectionMode::kPlain) {
    section = std::move(data);
  } else {
    std::string plain(password);
    plain += data;
    section = EncryptWithPassword(password, plain);
  }

  const int itemCount = doc.items.GetSize();
  // Rows that hold exactly the columns written, in their stored order, go
  // out as their records; runs of records lying one after another (a loaded
  // document's, until rows move) go out as one block.
  const bool naturalOrder = std::is_sorted(order.begin(), order.end());
  const auto record = [&](int row) {
    return naturalOrder ? doc.items.StoredRecord(row, count) : std::string_view();
  };
  std::size_t itemBytes = 0;
  for (int row = 0; row < itemCount; ++row) {
    const std::string_view whole = record(row);
    if (!whole.empty()) {
      itemBytes += whole.size();
      continue;
    }
    for (int j = 0; j < count; ++j) itemBytes += doc.items.Cell(row, order[j]).size() + 1;
    itemBytes += doc.items.Memo(row).size() + doc.items.ImagePath(row).size() + 3;
  }

  StoredPieces stored;
  std::string* file = &stored.owned.emplace_back(kHeaderSize, '\0');
  (*file)[0] = 'L';
  (*file)[1] = 'T';
  (*file)[2] = 1;
  (*file)[3] = 2;
  WriteU32(*file, 4, static_cast<std::uint32_t>(itemCount));
  WriteU32(*file, 8, static_cast<std::uint32_t>(historyCount));
  WriteU32(*file, 12, static_cast<std::uint32_t>(kHeaderSize + section.size()));
  (*file)[16] = static_cast<char>(count & 0xFF);
  (*file)[17] = static_cast<char>(options.mode);
  file->reserve(kHeaderSize + section.size() + itemBytes + 8);
  *file += section;

  const bool plain = options.mode == ProtectionMode::kPlain;
  // Runs of at least this many bytes of a plain document are viewed, not
  // copied; shorter ones are not worth a write of their own.
  constexpr std::size_t kViewedRun = std::size_t{1} << 16;
  std::size_t itemsDone = 0;
  const auto addRun = [&](std::string_view run) {
    itemsDone += run.size();
    if (!plain || run.size() < kViewedRun) {
      *file += run;
      return;
    }
    stored.pieces.push_back(*file);
    stored.pieces.push_back(run);
    file = &stored.owned.emplace_back();
  };
  const std::size_t itemStart = file->size();
  std::string_view run;
  for (int row = 0; row < itemCount; ++row) {
    const std::string_view whole = record(row);
    if (!whole.empty() && run.data() + run.size() == whole.data()) {
      run = std::string_view(run.data(), run.size() + whole.size());
      continue;
    }
    addRun(run);
    run = whole;
    if (!whole.empty()) continue;
    const std::size_t before = file->size();
    for (int j = 0; j < count; ++j) {
      *file += doc.items.Cell(row, order[j]);
      *file += kFieldEnd;
    }
    *file += kLineEnd;
    *file += doc.items.Memo(row);
    *file += kTextEnd;
    *file += doc.items.ImagePath(row);
    *file += kTextEnd;
    itemsDone += file->size() - before;
  }
  addRun(run);
  if (!plain && file->size() > itemStart) {
    file->resize(itemStart + (file->size() - itemStart + 7) / 8 * 8, '\0');
    EncryptInPlace(password, std::span(*file).subspan(itemStart));
  }
  if (!file->empty()) stored.pieces.push_back(*file);
  return stored;
}

std::string StoreDocument(const Document& doc, const StoreOptions& options) {
  StoredPieces stored = StoreDocumentPieces(doc, options);
  if (stored.pieces.size() == 1) return std::move(stored.owned.front());
  std::size_t size = 0;
  for (std::string_view piece : stored.pieces) size += piece.size();
  std::string file;
  file.reserve(size);
  for (std::string_view piece : stored.pieces) file += piece;
  return file;
}

}  // namespace listora
