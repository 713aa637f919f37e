#include "core/panes/memo_file.h"

#include <fstream>
#include <string_view>

#include "core/text/encoding.h"

namespace listora {

MemoFile ReadMemoFile(const std::filesystem::path& file) {
  MemoFile result;
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec)) return result;
  std::ifstream in(file, std::ios::binary);
  if (!in) return result;
  std::string bytes(kMaxMemoFileBytes + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return result;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (bytes.size() > kMaxMemoFileBytes) {
    result.status = MemoFile::Status::kTooLarge;
    return result;
  }
  // The text ends at the first NUL, as a C string would.
  if (const std::size_t nul = bytes.find('\0'); nul != std::string::npos) bytes.resize(nul);
  if (IsNonAsciiUtf8(bytes)) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    std::string_view text = bytes;
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    bytes = TextToCp932(text);
  }
  result.status = MemoFile::Status::kRead;
  result.memo = std::move(bytes);
  return result;
}

}  // namespace listora
