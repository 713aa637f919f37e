#include "core/print/header_footer.h"

#include <string>

namespace listora {

namespace {

// "%" is never the trail byte of a CP932 character, so a byte-wise match of
// a code always starts on a character boundary.
std::string ReplaceAll(std::string_view text, std::string_view code, std::string_view with) {
  std::string out;
  out.reserve(text.size());
  std::size_t from = 0;
  for (std::size_t at = text.find(code); at != std::string_view::npos; at = text.find(code, from)) {
    out.append(text, from, at - from);
    out.append(with);
    from = at + code.size();
  }
  out.append(text.substr(from));
  return out;
}

}  // namespace

PrintClock LocalPrintClock(std::time_t now) {
  PrintClock clock;
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return clock;
  char time[16];
  if (std::strftime(time, sizeof time, "%H:%M:%S", &local) == 0) return clock;
  clock.year = local.tm_year + 1900;
  clock.month = local.tm_mon + 1;
  clock.day = local.tm_mday;
  clock.time = time;
  return clock;
}

std::string ExpandPageText(std::string_view pattern, const PageTextValues& values) {
  const std::string replacements[kPageTextCodes.size()] = {
      std::to_string(values.itemCount),  std::to_string(values.page),
      std::to_string(values.pageCount),  std::string(values.title),
      std::to_string(values.clock.year), std::to_string(values.clock.month),
      std::to_string(values.clock.day),  values.clock.time};
  std::string text(pattern);
  for (std::size_t i = 0; i < kPageTextCodes.size(); ++i) {
    text = ReplaceAll(text, kPageTextCodes[i], replacements[i]);
  }
  return text;
}

}  // namespace listora
