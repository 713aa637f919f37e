#pragma once
// Document file images built by hand from the file layout, independently of
// the store code, so load tests check the format rather than a round trip.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace listora::test {

struct FixtureItem {
  std::vector<std::string> columns;  // column 0 (icon text) first
  std::string memo;
  std::string image;
};

struct Fixture {
  std::uint8_t version = 1;
  std::uint8_t revision = 2;
  std::uint8_t mode = 0;
  std::uint8_t columnCount = 3;
  std::vector<std::string> columnNames = {"", "Name", "Size"};
  std::vector<std::string> storedHistory;  // in file order
  std::vector<FixtureItem> items;
  std::string password;  // mode 1
};

inline void PutU32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

// The whole file: the 100-byte header, then the settings section (blocks and
// stored history) and the item section, both enciphered in modes 1 and 2.
std::string BuildFixture(const Fixture& f);

}  // namespace listora::test
