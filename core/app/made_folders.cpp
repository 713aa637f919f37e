#include "core/app/made_folders.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

#include "core/base/file_io.h"

namespace listora {

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> ReadNote(const fs::path& note) {
  std::vector<fs::path> folders;
  const auto bytes = ReadFileBytes(note);
  if (!bytes) return folders;
  std::size_t from = 0;
  while (from < bytes->size()) {
    const std::size_t end = std::min(bytes->find('\n', from), bytes->size());
    if (end > from) folders.emplace_back(bytes->substr(from, end - from));
    from = end + 1;
  }
  return folders;
}

void WriteNote(const fs::path& note, const std::vector<fs::path>& folders) {
  std::error_code ec;
  if (folders.empty()) {
    fs::remove(note, ec);
    fs::remove(note.parent_path(), ec);  // fails, as it should, unless empty
    return;
  }
  std::string text;
  for (const fs::path& folder : folders) text.append(folder.string()).append("\n");
  fs::create_directories(note.parent_path(), ec);
  WriteFileAtomically(note, text);
}

}  // namespace

bool MakeNotedFolders(const fs::path& note, const fs::path& root, const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(root, ec);
  std::vector<fs::path> missing;
  for (fs::path f = folder; f != root && f.has_relative_path() && !fs::exists(f, ec);
       f = f.parent_path()) {
    missing.push_back(f);
  }
  std::vector<fs::path> made = ReadNote(note);
  const std::size_t before = made.size();
  // Outermost first, so each is made in a folder that is there.
  for (auto f = missing.rbegin(); f != missing.rend() && fs::create_directory(*f, ec); ++f) {
    made.push_back(*f);
  }
  if (made.size() != before) WriteNote(note, made);
  return fs::is_directory(folder, ec);
}

void RemoveNotedFolders(const fs::path& note, const fs::path& folder) {
  std::vector<fs::path> made = ReadNote(note);
  const std::size_t before = made.size();
  for (fs::path f = folder; f.has_relative_path(); f = f.parent_path()) {
    const auto noted = std::find(made.begin(), made.end(), f);
    if (noted == made.end()) break;
    made.erase(noted);
    std::error_code ec;
    // A folder that holds something now is no longer ours to take, and a
    // folder that is gone no longer ours to note.
    if (!fs::remove(f, ec) && fs::exists(f, ec)) break;
  }
  if (made.size() != before) WriteNote(note, made);
}

}  // namespace listora
