#pragma once
// The print layout as the layout dialog edits it: the rules for the values
// typed into the dialog, and writing the `Layout` section of the settings
// file (reading it is ReadPrintLayout in core/app/settings.h).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app/number_entry.h"
#include "core/app/settings.h"
#include "core/doc/document_settings.h"

namespace listora {

class Profile;

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

// Writes all twelve keys of the section in one replacement of the file.
// False when the file could not be written.
bool WritePrintLayout(Profile& profile, const PrintLayout& layout);

}  // namespace listora
