#include "fixture_bytes.h"

#include <cstring>

#include "core/doc/cipher.h"

namespace listora::test {

namespace {

// The 3,096 bytes of settings blocks: column widths 30/111/122..., names,
// count and header icons; a recognisable byte in every other block.
std::string FixtureBlocks(const Fixture& f) {
  std::string blocks(3096, '\0');
  // Column defaults at 0: widths (i32[11]) at 0, formats at 44, names at 88,
  // count at 1188, header icons at 1190.
  for (int c = 0; c < 11; ++c) PutU32(blocks, 4 * c, c == 0 ? 30 : 100 + 11 * c);
  PutU32(blocks, 44 + 4 * 2, 1);  // column 2 right-aligned
  for (std::size_t c = 0; c < f.columnNames.size(); ++c)
    std::memcpy(&blocks[88 + 100 * c], f.columnNames[c].data(), f.columnNames[c].size());
  blocks[1188] = static_cast<char>(f.columnCount);
  blocks[1190] = 1;
  // Pane layout at 1192: list shown, split1 = 7000.
  blocks[1192] = 1;
  PutU32(blocks, 1196, 7000);
  // Pane styles at 1208: list text colour 0x00FF00 at +4, font size 90 at +8.
  PutU32(blocks, 1212, 0x00FF00);
  blocks[1216] = 90;
  std::memcpy(&blocks[1218], "Face", 4);
  // Automatic insertion at 1448: pattern at +260.
  blocks[1448 + 260] = '*';
  // Display options at 2984: image fit at +1, sub-path at +6, copy at +108.
  blocks[2985] = 1;
  std::memcpy(&blocks[2990], "img\\", 4);
  PutU32(blocks, 2984 + 108, 1);
  return blocks;
}

std::string FixtureItemText(const Fixture& f) {
  std::string text;
  for (const auto& item : f.items) {
    for (const auto& column : item.columns) text += column + '\x07';
    text += '\n';
    text += item.memo + '\x08';
    text += item.image + '\x08';
  }
  return text;
}

}  // namespace

std::string BuildFixture(const Fixture& f) {
  std::string settings = FixtureBlocks(f);
  for (const auto& entry : f.storedHistory) settings += entry + '\n';
  std::string items = FixtureItemText(f);
  if (f.mode != 0) {
    settings = EncryptWithPassword(f.mode == 1 ? f.password : "",
                                   (f.mode == 1 ? f.password : "") + settings);
    if (!items.empty()) items = EncryptWithPassword(f.mode == 1 ? f.password : "", items);
  }
  std::string header(100, '\0');
  header[0] = 'L';
  header[1] = 'T';
  header[2] = static_cast<char>(f.version);
  header[3] = static_cast<char>(f.revision);
  PutU32(header, 4, static_cast<std::uint32_t>(f.items.size()));
  PutU32(header, 8, static_cast<std::uint32_t>(f.storedHistory.size()));
  PutU32(header, 12, static_cast<std::uint32_t>(100 + settings.size()));
  header[16] = static_cast<char>(f.columnCount);
  header[17] = static_cast<char>(f.mode);
  return header + settings + items;
}

}  // namespace listora::test
