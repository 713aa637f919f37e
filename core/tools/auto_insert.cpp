#include "core/tools/auto_insert.h"

#include <dirent.h>

#include <algorithm>
#include <ctime>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/base/file_entry.h"
#include "core/base/stored_paths.h"
#include "core/tools/auto_insert_filter.h"
#include "core/tools/auto_insert_item.h"

namespace listora {

namespace {

int CompareFolded(const std::string& a, const std::string& b) {
  const auto fold = [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? u + ('a' - 'A') : u;
  };
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int x = fold(a[i]), y = fold(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool NameLess(const std::string& a, const std::string& b) {
  const int folded = CompareFolded(a, b);
  return folded != 0 ? folded < 0 : a < b;
}

// The entry names of a folder other than "." and "..", in name order. The
// folder is closed before its sub-folders are entered, so deep trees do not
// hold one descriptor per level.
std::vector<std::string> FolderNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  DIR* dir = opendir(folder.c_str());
  if (!dir) return names;
  while (const dirent* e = readdir(dir)) {
    const std::string_view name = e->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end(), NameLess);
  return names;
}

std::filesystem::path Absolute(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::path full = std::filesystem::absolute(path, ec);
  if (ec) full = path;
  return WithoutTrailingSeparators(full.lexically_normal());
}

class Inserter {
 public:
  Inserter(ItemTable& table, const InsertOptions& options)
      : table_(table),
        options_(options),
        filter_(ParseExtensionFilter(FixedText(options.settings.pattern),
                                     options.settings.patternWasEmpty != 0)) {}

  // Enumerates a folder named by the user: its first level always.
  void EnumerateTop(const FileEntry& folder) {
    visited_.clear();
    result_.enumerated = true;
    Enumerate(folder);
  }

  // Whether one entry becomes an item (and, if so, appending it).
  void Decide(const FileEntry& entry) {
    if (Stopped()) return;
    const std::string_view extension = ExtensionOf(entry.name);
    const bool take =
        filter_.foldersOnly ? entry.isFolder : !entry.isFolder && filter_.TakesFile(extension);
    if (!take) return;
    table_.AppendRow(FillItem(options_.settings, options_.columnCount, entry,
                              static_cast<std::uint64_t>(result_.inserted), Now()));
    ++result_.inserted;
  }

  bool Skipped(const FileEntry& entry) const { return (entry.attributes & options_.skipMask) != 0; }

  bool Cancelled() {
    if (!result_.cancelled && options_.cancelled && options_.cancelled()) result_.cancelled = true;
    return result_.cancelled;
  }

  const InsertResult& Result() const { return result_; }

 private:
  bool Stopped() const { return result_.cancelled; }

  void Enumerate(const FileEntry& folder) {
    if (!visited_.emplace(folder.device, folder.inode).second) return;
    for (const std::string& name : FolderNames(folder.path)) {
      if (Cancelled()) return;
      const std::optional<FileEntry> entry = LookUpEntry(folder.path / name);
      if (!entry || Skipped(*entry)) continue;
      if (entry->isFolder && options_.settings.subFolders != 0) Enumerate(*entry);
      Decide(*entry);
    }
  }

  std::int64_t Now() const {
    return options_.now ? options_.now() : static_cast<std::int64_t>(std::time(nullptr));
  }

  ItemTable& table_;
  const InsertOptions& options_;
  const ExtensionFilter filter_;
  std::set<std::pair<std::uint64_t, std::uint64_t>> visited_;
  InsertResult result_;
};

}  // namespace

InsertResult RunAutoInsert(ItemTable& table, const InsertOptions& options) {
  Inserter inserter(table, options);
  const std::optional<FileEntry> folder =
      LookUpEntry(ExistingSpelling(Absolute(PathFromText(FixedText(options.settings.folder)))));
  if (folder && folder->isFolder) inserter.EnumerateTop(*folder);
  return inserter.Result();
}

InsertResult InsertPaths(ItemTable& table, const InsertOptions& options,
                         std::span<const std::filesystem::path> paths) {
  Inserter inserter(table, options);
  for (const std::filesystem::path& path : paths) {
    if (inserter.Cancelled()) break;
    const std::optional<FileEntry> entry = LookUpEntry(Absolute(path));
    if (!entry || inserter.Skipped(*entry)) continue;
    if (entry->isFolder) inserter.EnumerateTop(*entry);
    inserter.Decide(*entry);
  }
  return inserter.Result();
}

}  // namespace listora
