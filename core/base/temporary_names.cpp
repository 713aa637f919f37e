#include "core/base/temporary_names.h"

#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

namespace listora {

namespace {

constexpr std::string_view kLetters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t kRandomLetters = 8;

// "." and the target's name, cut so the whole name stays within the
// 255-byte limit, and ".".
std::string Prefix(const std::filesystem::path& target) {
  return "." + target.filename().string().substr(0, 200) + ".";
}

}  // namespace

std::filesystem::path TemporaryName(const std::filesystem::path& target) {
  thread_local std::mt19937_64 random{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
  std::string name = Prefix(target);
  for (std::size_t k = 0; k < kRandomLetters; ++k) name.push_back(kLetters[pick(random)]);
  return target.parent_path() / name;
}

bool IsTemporaryNameOf(const std::filesystem::path& name, const std::filesystem::path& target) {
  const std::string text = name.string();
  const std::string prefix = Prefix(target);
  if (text.size() != prefix.size() + kRandomLetters || text.compare(0, prefix.size(), prefix) != 0)
    return false;
  return text.find_first_not_of(kLetters, prefix.size()) == std::string::npos;
}

void RemoveLeftovers(const std::filesystem::path& target) {
  const std::filesystem::path folder =
      target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
  const std::time_t now = std::time(nullptr);
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::filesystem::path& path = it->path();
    if (!IsTemporaryNameOf(path.filename(), target)) continue;
    // lstat: a link of that name is not ours, nor what it points to.
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != geteuid() ||
        now - info.st_mtime < kLeftoverAgeSeconds)
      continue;
    unlink(path.c_str());
  }
}

}  // namespace listora
