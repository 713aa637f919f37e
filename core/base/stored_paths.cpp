#include "core/base/stored_paths.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/text/cp932.h"
#include "core/text/encoding.h"

namespace listora {

std::filesystem::path PathFromText(std::string_view cp932) {
  // UTF-8 never has 0x5C inside a multi-byte character, so the swap is safe
  // after the conversion (and would not be before it).
  std::string utf8 = Cp932ToUtf8(cp932);
  std::replace(utf8.begin(), utf8.end(), '\\', '/');
  return std::filesystem::path(utf8);
}

std::string PathText(const std::filesystem::path& path) { return PathToCp932(path.string()); }

std::filesystem::path ExistingSpelling(const std::filesystem::path& path) {
  namespace fs = std::filesystem;
  struct Partners {
    std::string_view a;
    std::string_view b;
  };
  static constexpr std::array<Partners, 6> kPartners{{
      {"\u301C", "\uFF5E"},
      {"\u2016", "\u2225"},
      {"\u2212", "\uFF0D"},
      {"\u00A2", "\uFFE0"},
      {"\u00A3", "\uFFE1"},
      {"\u00AC", "\uFFE2"},
  }};
  // The tries double with each such character, so only the first few vary.
  constexpr std::size_t kMostVaried = 8;

  std::error_code ec;
  if (fs::exists(fs::symlink_status(path, ec))) return path;
  const std::string text = path.string();
  struct Spot {
    std::size_t at;
    std::string_view from;
    std::string_view to;
  };
  std::vector<Spot> spots;
  for (std::size_t i = 0; i < text.size() && spots.size() < kMostVaried; ++i) {
    for (const Partners& p : kPartners) {
      if (text.compare(i, p.a.size(), p.a) == 0)
        spots.push_back({i, p.a, p.b});
      else if (text.compare(i, p.b.size(), p.b) == 0)
        spots.push_back({i, p.b, p.a});
    }
  }
  // Each set bit of `mask` swaps one spot; mask 0 is `path` itself.
  for (std::size_t mask = 1; mask < (std::size_t{1} << spots.size()); ++mask) {
    std::string candidate;
    std::size_t done = 0;
    for (std::size_t k = 0; k < spots.size(); ++k) {
      if ((mask & (std::size_t{1} << k)) == 0) continue;
      candidate.append(text, done, spots[k].at - done);
      candidate += spots[k].to;
      done = spots[k].at + spots[k].from.size();
    }
    candidate.append(text, done);
    if (fs::exists(fs::symlink_status(candidate, ec))) return candidate;
  }
  return path;
}

std::string_view FileNamePart(std::string_view cp932) {
  const std::size_t back = cp932::FindLast(cp932, '\\');
  const std::size_t slash = cp932::FindLast(cp932, '/');
  std::size_t last = back;
  if (last == cp932::npos || (slash != cp932::npos && slash > last)) last = slash;
  return last == cp932::npos ? cp932 : cp932.substr(last + 1);
}

std::filesystem::path WithoutTrailingSeparators(const std::filesystem::path& path) {
  std::string text = path.string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return std::filesystem::path(text);
}

}  // namespace listora
