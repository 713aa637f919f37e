#include "support/zip_entry.h"

#include <zlib.h>

#include <cstdint>

namespace listora::test {

namespace {

std::uint32_t Le(std::string_view s, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int k = bytes - 1; k >= 0; --k)
    value = (value << 8) | static_cast<unsigned char>(s[at + static_cast<std::size_t>(k)]);
  return value;
}

std::optional<std::string> Inflate(std::string_view data, std::size_t size) {
  std::string out(size, '\0');
  z_stream z{};
  if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return std::nullopt;
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  const int result = inflate(&z, Z_FINISH);
  inflateEnd(&z);
  if (result != Z_STREAM_END || z.total_out != size) return std::nullopt;
  return out;
}

}  // namespace

std::optional<std::string> ZipEntry(std::string_view zip, std::string_view name) {
  // The end record is the last thing in the file, followed by no comment.
  if (zip.size() < 22) return std::nullopt;
  const std::size_t end = zip.size() - 22;
  if (Le(zip, end, 4) != 0x06054B50) return std::nullopt;
  const std::size_t entries = Le(zip, end + 10, 2);
  std::size_t at = Le(zip, end + 16, 4);
  for (std::size_t n = 0; n < entries; ++n) {
    if (at + 46 > zip.size() || Le(zip, at, 4) != 0x02014B50) return std::nullopt;
    const std::uint32_t method = Le(zip, at + 10, 2);
    const std::size_t packed = Le(zip, at + 20, 4);
    const std::size_t size = Le(zip, at + 24, 4);
    const std::size_t nameLength = Le(zip, at + 28, 2);
    const std::size_t local = Le(zip, at + 42, 4);
    const std::size_t next = at + 46 + nameLength + Le(zip, at + 30, 2) + Le(zip, at + 32, 2);
    if (at + 46 + nameLength > zip.size()) return std::nullopt;
    if (zip.substr(at + 46, nameLength) == name) {
      if (local + 30 > zip.size()) return std::nullopt;
      const std::size_t data = local + 30 + Le(zip, local + 26, 2) + Le(zip, local + 28, 2);
      if (data + packed > zip.size()) return std::nullopt;
      if (method == 0) return std::string(zip.substr(data, packed));
      if (method == 8) return Inflate(zip.substr(data, packed), size);
      return std::nullopt;
    }
    at = next;
  }
  return std::nullopt;
}

}  // namespace listora::test
