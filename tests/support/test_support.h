#pragma once
// Small helpers shared by the test executables.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace listora::test {

// UTF-8 test text as the CP932 bytes the core holds.
std::string Sj(std::string_view utf8);

// A fresh folder under the system's temporary folder, removed with its
// content when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Makes a folder append-only (chattr +a: files may be added to it, none
// taken away) until Restore or the object's end; Applied is false where the
// file system or the privileges refuse.
class AppendOnlyFolder {
 public:
  explicit AppendOnlyFolder(const std::filesystem::path& folder);
  ~AppendOnlyFolder() { Restore(); }
  AppendOnlyFolder(const AppendOnlyFolder&) = delete;
  AppendOnlyFolder& operator=(const AppendOnlyFolder&) = delete;
  bool Applied() const { return applied_; }
  void Restore();

 private:
  int folder_ = -1;
  int plain_ = 0;
  bool applied_ = false;
};

// Sets (or, with nullopt, unsets) an environment variable for the object's
// life.
class ScopedEnv {
 public:
  ScopedEnv(std::string name, std::optional<std::string> value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

std::string ReadAll(const std::filesystem::path& file);
void WriteAll(const std::filesystem::path& file, std::string_view bytes);
// Runs `body` in a forked child as an ordinary user, so that permission
// checks mean something when the tests run as root: root's child becomes
// "nobody" (uid and gid 65534), anyone else's stays who it is. Returns the
// body's result, or -1 when the child did not end normally. Files the child
// must reach need to be open to that user.
inline constexpr unsigned kOrdinaryUser = 65534;
int RunAsOrdinaryUser(const std::function<int()>& body);
// The names of a folder's entries, sorted.
std::vector<std::string> Names(const std::filesystem::path& folder);

}  // namespace listora::test
