#include "core/base/number_entry.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "core/base/message_format.h"
#include "core/base/messages.h"

namespace listora {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

NumberEntry Parse(std::string_view text, bool allowSign, std::int32_t min, std::int32_t max) {
  text = Trim(text);
  bool negative = false;
  if (allowSign && !text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return {};
  // Digits beyond 64 bits cannot be in any 32-bit range: cap the magnitude
  // so the value stays out of range instead of wrapping into it.
  constexpr std::int64_t kCap = std::int64_t{1} << 40;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return {};
    value = std::min(value * 10 + (c - '0'), kCap);
  }
  if (negative) value = -value;
  if (value < min || value > max) return {NumberEntry::kOutOfRange, 0};
  return {NumberEntry::kOk, static_cast<std::int32_t>(value)};
}

std::string RangeMessage(std::int32_t min, std::int32_t max) {
  return FormatMessage(msg::kNumberRangeFormat, static_cast<int>(min), static_cast<int>(max));
}

}  // namespace

NumberEntry ParseUnsignedEntry(std::string_view text, std::int32_t min, std::int32_t max) {
  return Parse(text, false, min, max);
}

NumberEntry ParseSignedEntry(std::string_view text, std::int32_t min, std::int32_t max) {
  return Parse(text, true, min, max);
}

std::string UnsignedEntryMessage(const NumberEntry& entry, std::int32_t min, std::int32_t max) {
  if (entry.status == NumberEntry::kOutOfRange) return RangeMessage(min, max);
  return std::string(msg::kPositiveNumberWanted);
}

std::string SignedEntryMessage(const NumberEntry& entry, std::int32_t min, std::int32_t max) {
  if (entry.status == NumberEntry::kOutOfRange) return RangeMessage(min, max);
  return std::string(msg::kNumberWanted);
}

}  // namespace listora
