#include "core/tools/image_paths.h"

#include <cerrno>
#include <system_error>

#include "core/base/error_reason.h"
#include "core/base/file_io.h"
#include "core/base/message_format.h"
#include "core/base/messages.h"
#include "core/base/stored_paths.h"
#include "core/text/cp932.h"
#include "core/text/encoding.h"

namespace listora {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The text without "\" or "/" at either end; a trail byte equal to "\" is
// part of its character and stays.
std::string_view TrimSeparators(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size() && IsSeparator(text[begin])) ++begin;
  std::size_t end = begin;
  for (std::size_t i = begin; i < text.size();) {
    const std::size_t length = cp932::CharLength(text, i);
    if (length != 1 || !IsSeparator(text[i])) end = i + length;
    i += length;
  }
  return text.substr(begin, end - begin);
}

// A folder as example text, ending in "/".
std::string FolderText(const std::filesystem::path& folder) {
  std::string text = PathText(folder);
  if (text.empty() || text.back() != '/') text.push_back('/');
  return text;
}

std::string Reason(const std::filesystem::path& target, const std::string& why) {
  return FormatMessage(msg::kImageCopyFailed, target.c_str(), why.c_str());
}

bool UsesImageFolder(const DisplayOptions& options, const std::filesystem::path& imageFolder) {
  return options.imagePathMode != kImageFullPath && !imageFolder.empty();
}

}  // namespace

std::filesystem::path ComputeImageFolder(const DisplayOptions& options,
                                         const std::filesystem::path& documentFile,
                                         const std::filesystem::path& executableDir) {
  std::filesystem::path base;
  if (options.imagePathMode == kImageBesideDocument && !documentFile.empty())
    base = documentFile.parent_path();
  else if (options.imagePathMode == kImageBesideProgram)
    base = executableDir;
  if (base.empty()) return {};
  const std::string_view sub = TrimSeparators(FixedText(options.imageSubPath));
  return sub.empty() ? base : base / PathFromText(sub);
}

ImageCopy CopyIntoImageFolder(const std::filesystem::path& source,
                              const std::filesystem::path& folder, const OverwritePrompt& ask) {
  namespace fs = std::filesystem;
  ImageCopy result{folder / source.filename(), {}};
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) {
    fs::create_directories(folder, ec);
    if (ec) {
      result.error = Reason(folder, ErrorReason(ec));
      return result;
    }
  }
  // Choosing a file that already lies in the image folder: nothing to copy,
  // and overwriting it with itself must not be offered.
  if (fs::equivalent(source, result.target, ec)) return result;

  if (!fs::exists(source, ec)) {
    result.error = Reason(source, ErrorReason(ENOENT));
    return result;
  }
  if (!fs::exists(fs::symlink_status(result.target, ec))) {
    fs::copy_file(source, result.target, fs::copy_options::none, ec);
    if (!ec) return result;
    if (ec != std::errc::file_exists) {
      std::error_code ignored;
      fs::remove(result.target, ignored);  // a partial copy of ours
      result.error = Reason(result.target, ErrorReason(ec));
      return result;
    }
  }
  if (!ask || !ask(result.target)) return result;
  FileError error;
  const std::optional<std::string> bytes = ReadFileBytes(source, &error);
  // A FIFO of that name without a reader would block the window.
  if (!bytes || !WriteFileAtomically(result.target, *bytes, &error, SpecialTarget::kRefuse))
    result.error = error.what;
  return result;
}

AttachedImage AttachImage(ItemTable& table, std::span<const int> rows, std::string_view path,
                          const DisplayOptions& options, const std::filesystem::path& imageFolder,
                          const OverwritePrompt& ask) {
  AttachedImage result{std::string(path), {}};
  if (UsesImageFolder(options, imageFolder) && options.copyImages != 0 && !path.empty()) {
    ImageCopy copy = CopyIntoImageFolder(ExistingSpelling(PathFromText(path)), imageFolder, ask);
    result.storedPath = PathText(copy.target);
    result.error = std::move(copy.error);
  }
  for (int row : rows) {
    table.SetImagePath(row, result.storedPath);
    table.UpdateIconIndex(row);
  }
  return result;
}

std::filesystem::path ResolveImagePath(std::string_view storedPath, const DisplayOptions& options,
                                       const std::filesystem::path& imageFolder) {
  if (UsesImageFolder(options, imageFolder))
    return ExistingSpelling(imageFolder / PathFromText(FileNamePart(storedPath)));
  return ExistingSpelling(PathFromText(storedPath));
}

std::string NormaliseSubPath(std::string_view subPath) {
  std::string out(TrimSeparators(subPath));
  out.push_back('/');
  return out;
}

std::string ImagePathExample(int mode, std::string_view subPath,
                             const std::filesystem::path& documentFile,
                             const std::filesystem::path& executableDir) {
  const std::string name(kExampleImageName);
  // The sub-path as the image folder will use it: an inner "\" separates.
  const std::string_view trimmed = TrimSeparators(subPath);
  std::string sub = trimmed.empty() ? std::string() : PathText(PathFromText(trimmed)) + "/";
  switch (mode) {
    case kImageBesideDocument:
      if (documentFile.empty()) return TextToCp932(msg::kUntitled) + "/" + name;
      return FolderText(documentFile.parent_path()) + sub + name;
    case kImageBesideProgram: return FolderText(executableDir) + sub + name;
    default: return "/img/" + name;
  }
}

}  // namespace listora
