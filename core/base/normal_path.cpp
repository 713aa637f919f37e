#include "core/base/normal_path.h"

#include <system_error>

namespace listora {

std::filesystem::path NormalFilePath(const std::filesystem::path& file) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path whole = fs::absolute(file, ec);
  if (ec) whole = file;
  const fs::path name = whole.filename();
  // "x/.." names a folder whose spelling depends on x's links; resolve all.
  if (name.empty() || name == "." || name == "..") {
    const fs::path resolved = fs::weakly_canonical(whole, ec);
    return ec ? whole.lexically_normal() : resolved;
  }
  const fs::path folder = fs::weakly_canonical(whole.parent_path(), ec);
  return (ec ? whole.parent_path().lexically_normal() : folder) / name;
}

}  // namespace listora
