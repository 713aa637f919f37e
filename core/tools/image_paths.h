#pragma once
// The image path policy: where the image files of items are kept, copying
// them into the image folder when they are attached, and finding the file of
// a stored path. Stored paths are CP932 texts; a "\" in them (from documents
// made on Windows) separates like "/".

#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "core/doc/document_settings.h"
#include "core/doc/item_table.h"

namespace listora {

enum ImagePathMode : int {
  kImageFullPath = 0,
  kImageBesideDocument = 1,
  kImageBesideProgram = 2,
};

// The example image of the settings page.
inline constexpr std::string_view kExampleImageName = "123.JPG";

// The image folder: the document's folder (mode 1; empty while the document
// has no path) or the program's folder (mode 2), followed by the sub-path;
// empty for mode 0.
std::filesystem::path ComputeImageFolder(const DisplayOptions& options,
                                         const std::filesystem::path& documentFile,
                                         const std::filesystem::path& executableDir);

// Asked when the target of a copy already exists: true overwrites it
// (msg::kOverwriteImage).
using OverwritePrompt = std::function<bool(const std::filesystem::path& target)>;

struct ImageCopy {
  std::filesystem::path target;  // the image folder and the source's file name
  std::string error;             // UTF-8, empty unless the copy failed
};

// Copies `source` into `folder` (creating it and any missing folder above it)
// without overwriting unless the prompt agrees. The target is the result
// whether or not the copy took place; a file is never copied onto itself.
ImageCopy CopyIntoImageFolder(const std::filesystem::path& source,
                              const std::filesystem::path& folder, const OverwritePrompt& ask);

struct AttachedImage {
  std::string storedPath;  // CP932: what the items now hold
  std::string error;       // UTF-8: why the copy failed, for the user
};

// The image-attachment operation: under modes 1 and 2 with copying on and an
// image folder known, the file is copied into the image folder and the copy's
// path stored; otherwise `path` itself. Each row gets the path and its icon
// index anew. An empty path clears the rows' images.
AttachedImage AttachImage(ItemTable& table, std::span<const int> rows, std::string_view path,
                          const DisplayOptions& options, const std::filesystem::path& imageFolder,
                          const OverwritePrompt& ask);

// The file to open for a stored path: under modes 1 and 2 with an image folder
// known, that folder and the stored path's file name (its folder is ignored);
// otherwise the stored path itself.
std::filesystem::path ResolveImagePath(std::string_view storedPath, const DisplayOptions& options,
                                       const std::filesystem::path& imageFolder);

// The sub-path as the settings page commits it: separators at both ends
// removed and one "/" appended (an empty text becomes "/").
std::string NormaliseSubPath(std::string_view subPath);

// The settings page's example of where "123.JPG" goes (CP932): "/img/123.JPG"
// for mode 0; for mode 1 the document's folder ("無題/123.JPG" without a path);
// for mode 2 the program's folder; then the sub-path and the file name.
std::string ImagePathExample(int mode, std::string_view subPath,
                             const std::filesystem::path& documentFile,
                             const std::filesystem::path& executableDir);

}  // namespace listora
