#include "core/text/number_text.h"

#include <cstdio>
#include <ctime>

namespace listora {

std::string GroupedNumberText(std::uint64_t value) {
  const std::string digits = std::to_string(value);
  std::string out;
  out.reserve(digits.size() + digits.size() / 3);
  const std::size_t head = (digits.size() - 1) % 3 + 1;
  out.append(digits, 0, head);
  for (std::size_t i = head; i < digits.size(); i += 3) {
    out.push_back(',');
    out.append(digits, i, 3);
  }
  return out;
}

std::string DateTimeText(std::int64_t secondsSinceEpoch) {
  long long year = 0;
  int month = 0, day = 0, hour = -1, minute = -1, second = -1;
  const auto time = static_cast<std::time_t>(secondsSinceEpoch);
  std::tm local{};
  if (static_cast<std::int64_t>(time) == secondsSinceEpoch && localtime_r(&time, &local)) {
    year = local.tm_year + 1900LL;
    month = local.tm_mon + 1;
    day = local.tm_mday;
    hour = local.tm_hour;
    minute = local.tm_min;
    second = local.tm_sec;
  }
  // The CP932 bytes of "%04d年%02d月%02d日、%02d:%02d:%02d"; this runs for every
  // listed file, so it skips the converter.
  char text[96];
  const int length = std::snprintf(text, sizeof text,
                                   "%04lld\x94\x4E%02d\x8C\x8E%02d\x93\xFA\x81\x41%02d:%02d:%02d",
                                   year, month, day, hour, minute, second);
  return std::string(text, static_cast<std::size_t>(length));
}

}  // namespace listora
