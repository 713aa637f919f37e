#pragma once
// Header and footer lines of a printed page: the user's template with its
// placeholder codes replaced.

#include <array>
#include <ctime>
#include <string>
#include <string_view>

namespace listora {

// The codes in the order they are replaced (which is also the order of the
// layout dialog's code menu):
// "%A" total number of items, "%P" page number (from 1), "%T" total pages,
// "%F" document title, "%Y" year, "%M" month 1..12, "%D" day 1..31, all
// without leading zeros, and "%H" the time as HH:MM:SS (24-hour).
inline constexpr std::array<std::string_view, 8> kPageTextCodes = {"%A", "%P", "%T", "%F",
                                                                   "%Y", "%M", "%D", "%H"};

// Local date and time when a page is printed. If the conversion to local
// time fails, the date is 0/0/0 and the time empty.
struct PrintClock {
  int year = 0;
  int month = 0;
  int day = 0;
  std::string time;  // "HH:MM:SS"
};
PrintClock LocalPrintClock(std::time_t now);

struct PageTextValues {
  int itemCount = 0;
  int page = 1;
  int pageCount = 1;
  std::string_view title;  // CP932, as the document's title reads
  PrintClock clock;
};

// Replaces every occurrence of each code, one code after the other in the
// order above. A code that an earlier replacement brings in (a "%Y" in the
// title) is replaced too; a replacement never makes its own code reappear
// for another round, so a title "%F" stays "%F".
std::string ExpandPageText(std::string_view pattern, const PageTextValues& values);

}  // namespace listora
