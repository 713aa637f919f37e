// Random damage to valid document files: whatever the bytes, loading ends in
// one of the load statuses and a table whose every field can be read.

#include <gtest/gtest.h>

#include <random>

#include "core/doc/document_file.h"
#include "fixture_bytes.h"
#include "support/test_support.h"

namespace listora {
namespace {

std::string Damage(std::string bytes, std::mt19937& random) {
  const int edits = 1 + static_cast<int>(random() % 8);
  for (int e = 0; e < edits && !bytes.empty(); ++e) {
    const std::size_t at = random() % bytes.size();
    switch (random() % 4) {
      case 0: bytes[at] = static_cast<char>(random()); break;
      case 1: bytes.resize(at); break;
      case 2: bytes.insert(at, 1 + random() % 16, static_cast<char>(random())); break;
      // Header fields are where a count or an offset lives.
      default: bytes[4 + random() % 14] = static_cast<char>(random()); break;
    }
  }
  return bytes;
}

TEST(DamagedFiles, RandomDamageNeverBreaksTheLoader) {
  test::Fixture f;
  f.storedHistory = {"a", "b"};
  f.items = {{{"0", "x", "y"}, "memo\r\n", "img.png"}, {{"1", "", "z"}, "", ""}};
  std::mt19937 random(7);
  for (int mode : {0, 1, 2}) {
    f.mode = static_cast<std::uint8_t>(mode);
    f.password = "pw";
    const std::string good = test::BuildFixture(f);
    for (int round = 0; round < 3000; ++round) {
      const std::string bytes = Damage(good, random);
      Document doc;
      LoadCallbacks callbacks;
      callbacks.askPassword = [] { return std::string("pw"); };
      const LoadResult result = LoadDocument(bytes, callbacks, doc);
      ASSERT_LE(static_cast<int>(result.status), static_cast<int>(LoadStatus::kWrongPassword));
      ASSERT_LE(doc.items.GetSize(), static_cast<int>(bytes.size()));
      ASSERT_GE(doc.ColumnCount(), kMinColumns);
      ASSERT_LE(doc.ColumnCount(), kMaxColumns);
      for (int r = 0; r < doc.items.GetSize(); ++r) {
        for (int c = 0; c < kMaxColumns; ++c)
          ASSERT_EQ(doc.items.Cell(r, c).find_first_of(std::string_view("\0\a\n", 3)),
                    std::string_view::npos);
        ASSERT_EQ(doc.items.Memo(r).find('\b'), std::string_view::npos);
      }
      ItemTable appended;
      LoadItemsForAppend(bytes, 5, callbacks, appended);
      ASSERT_LE(appended.GetSize(), static_cast<int>(bytes.size()));
    }
  }
}

}  // namespace
}  // namespace listora
