#include "core/tools/auto_insert_item.h"

#include <algorithm>
#include <string>

#include "core/base/message_format.h"
#include "core/base/messages.h"
#include "core/base/stored_paths.h"
#include "core/doc/columns.h"
#include "core/text/encoding.h"
#include "core/text/number_text.h"
#include "core/tools/auto_insert_filter.h"

namespace listora {

namespace {

std::string_view InputText(const AutoInsertSettings& settings, int column) {
  if (column < 1 || column >= kMaxColumns) return {};
  return FixedText(settings.fixedTexts[column]);
}

int KindOf(const AutoInsertSettings& settings, int column) {
  return (column >= 1 && column < kMaxColumns) ? settings.kinds[column] : -1;
}

// The serial start as the dialog takes it: an unsigned number.
std::uint64_t SerialStart(const AutoInsertSettings& settings) {
  return static_cast<std::uint32_t>(settings.serialStart);
}

}  // namespace

std::string SerialText(std::string_view text, std::uint64_t number, int digits) {
  std::string digitsText = std::to_string(number);
  const std::size_t width = static_cast<std::size_t>(std::clamp(digits, 1, 9));
  if (digitsText.size() < width) digitsText.insert(0, width - digitsText.size(), '0');

  // "*" is never a trail byte, so a byte-wise scan is safe.
  std::string out;
  out.reserve(text.size() + digitsText.size());
  bool any = false;
  for (char c : text) {
    if (c == '*') {
      out += digitsText;
      any = true;
    } else {
      out.push_back(c);
    }
  }
  if (!any) out += digitsText;
  return out;
}

std::string SerialTextFor(const AutoInsertSettings& settings, std::uint64_t counter) {
  return SerialText(FixedText(settings.serialText), SerialStart(settings) + counter,
                    settings.serialDigits);
}

std::string KindValue(const AutoInsertSettings& settings, int column, const FileEntry& entry,
                      std::uint64_t counter, std::int64_t now) {
  switch (KindOf(settings, column)) {
    case kKindFolderName: return entry.folderName;
    case kKindFullPath: return PathText(entry.path);
    case kKindFileName: return entry.name;
    case kKindBaseName: return std::string(NameWithoutExtension(entry.name));
    case kKindExtension: return std::string(ExtensionOf(entry.name));
    case kKindSize: return GroupedNumberText(entry.size);
    case kKindCreated: return DateTimeText(entry.created);
    case kKindWritten: return DateTimeText(entry.written);
    case kKindNow: return DateTimeText(now);
    case kKindInputText: return std::string(InputText(settings, column));
    case kKindSerial: return SerialTextFor(settings, counter);
    default: return {};
  }
}

ItemFields FillItem(const AutoInsertSettings& settings, int columnCount, const FileEntry& entry,
                    std::uint64_t counter, std::int64_t now) {
  ItemFields fields;
  fields.columns[0] = "0";
  const int count = ClampColumnCount(columnCount);
  for (int column = 1; column < count; ++column)
    fields.columns[column] = KindValue(settings, column, entry, counter, now);
  return fields;
}

std::string KindSampleText(const AutoInsertSettings& settings, int column, int kind) {
  std::string value;
  switch (kind) {
    case kKindFolderName: value = "AAA"; break;
    case kKindFullPath: value = "/AAA/BBB.txt"; break;
    case kKindFileName: value = "BBB.txt"; break;
    case kKindBaseName: value = "BBB"; break;
    case kKindExtension: value = "txt"; break;
    case kKindSize: value = "12,345"; break;
    case kKindCreated: value = TextToCp932(msg::kSampleCreatedTime); break;
    case kKindWritten:
    case kKindNow: value = TextToCp932(msg::kSampleWrittenTime); break;
    case kKindInputText: value = InputText(settings, column); break;
    case kKindSerial: value = SerialTextFor(settings, 0); break;
    default: break;
  }
  return InputSampleText(value);
}

std::string InputSampleText(std::string_view inputText) {
  return FormatMessage(TextToCp932(msg::kSampleFormat), std::string(inputText).c_str());
}

}  // namespace listora
