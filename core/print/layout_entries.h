#pragma once
// The rules for the values typed into the print layout dialog.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/base/number_entry.h"

namespace listora {

// Margins are whole numbers from 0 to 100 (units of 10 device pixels).
inline constexpr std::int32_t kMarginMin = 0;
inline constexpr std::int32_t kMarginMax = 100;
NumberEntry ParseMargin(std::string_view text);

// The sizes the dialog offers; any other number may be typed.
inline constexpr std::array<std::string_view, 11> kPrintFontSizes = {
    "10", "30", "50", "80", "100", "120", "150", "200", "300", "400", "500"};

// The size as typed, read like C's atoi (leading blanks, an optional sign,
// the leading digits; 0 without digits; saturating instead of overflowing).
// No range is enforced: page_layout keeps any size printable.
std::int32_t ParseFontSize(std::string_view text);

// The sample of the layout dialog shows the font at twice the size's value
// in tenths of a point: 50 is shown at 10 points.
inline int SampleFontTenths(std::int32_t fontSize) { return fontSize * 2; }

// A header or footer template with code `index` (0..7, the order of
// kPageTextCodes) appended at its end; other indexes leave it unchanged.
std::string AppendPageTextCode(std::string_view text, int index);

}  // namespace listora
