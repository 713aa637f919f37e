#pragma once
// Numbers typed into dialog fields. A field is read as a whole: blanks
// around the number are allowed, anything else refuses it, and so does a
// value outside the field's range. The refusal texts are the ones every
// dialog of the program shows.

#include <cstdint>
#include <string>
#include <string_view>

namespace listora {

struct NumberEntry {
  enum Status { kOk, kNotNumber, kOutOfRange };
  Status status = kNotNumber;
  std::int32_t value = 0;

  bool ok() const { return status == kOk; }
};

// Decimal digits only (no sign), within [min, max].
NumberEntry ParseUnsignedEntry(std::string_view text, std::int32_t min, std::int32_t max);
// An optional "-" or "+", then decimal digits, within [min, max].
NumberEntry ParseSignedEntry(std::string_view text, std::int32_t min, std::int32_t max);

// What to tell the user when an unsigned entry is refused (UTF-8):
// "正の整数を入力してください。" for text that is no number, and
// "%1 から %2 までの整数を入力してください。" with the bounds filled in for
// one out of range.
std::string UnsignedEntryMessage(const NumberEntry& entry, std::int32_t min, std::int32_t max);
// The same for a signed field: "整数を入力してください。" for text that is no number.
std::string SignedEntryMessage(const NumberEntry& entry, std::int32_t min, std::int32_t max);

}  // namespace listora
