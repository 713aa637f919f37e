#pragma once
// Reads one entry of a zip file (stored or deflated), for tests that check
// what a workbook export holds.

#include <optional>
#include <string>
#include <string_view>

namespace listora::test {

// The entry's bytes, or nullopt when the zip has no such entry or is broken.
std::optional<std::string> ZipEntry(std::string_view zip, std::string_view name);

}  // namespace listora::test
