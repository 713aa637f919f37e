#include "core/doc/document_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <span>

#include "core/doc/cipher.h"
#include "fixture_bytes.h"
#include "support/test_support.h"

namespace listora {
namespace {

using test::BuildFixture;
using test::Fixture;
using test::Sj;

Fixture SampleFixture() {
  Fixture f;
  f.columnNames = {"", Sj("名前"), Sj("表示")};  // 表 ends in the trail byte 0x5C
  f.storedHistory = {"older", Sj("ソフト")};
  f.items = {
      {{"9", Sj("りんご"), "120"}, Sj("一行目\r\n二行目"), ""},
      {{"0", "b", ""}, "", Sj("img\\表.jpg")},
      {{"0", "", "3"}, "memo", "c:\\x.png"},
  };
  return f;
}

LoadResult Load(const std::string& bytes, Document& doc, std::string password = {},
                int* asked = nullptr) {
  LoadCallbacks callbacks;
  callbacks.askPassword = [=] {
    if (asked) ++*asked;
    return password;
  };
  return LoadDocument(bytes, callbacks, doc);
}

TEST(DocumentLoad, PlainFileFillsBlocksHistoryAndItems) {
  const Fixture f = SampleFixture();
  Document doc;
  ASSERT_EQ(Load(BuildFixture(f), doc).status, LoadStatus::kLoaded);

  EXPECT_EQ(doc.ColumnCount(), 3);
  EXPECT_EQ(FixedText(doc.settings.columns.names[1]), Sj("名前"));
  EXPECT_EQ(FixedText(doc.settings.columns.names[2]), Sj("表示"));
  EXPECT_EQ(doc.settings.columns.widths[2], 122);
  EXPECT_EQ(doc.settings.columns.formats[2], 1);
  EXPECT_EQ(doc.settings.columns.headerIcons, 1);
  EXPECT_EQ(doc.settings.layout.showList, 1);
  EXPECT_EQ(doc.settings.layout.split1, 7000);
  EXPECT_EQ(doc.settings.styles.pane[0].text, 0x00FF00u);
  EXPECT_EQ(doc.settings.styles.pane[0].fontSize, 90);
  EXPECT_EQ(FixedText(doc.settings.styles.pane[0].fontName), "Face");
  EXPECT_EQ(FixedText(doc.settings.autoInsert.pattern), "*");
  EXPECT_EQ(doc.settings.display.imageFit, 1);
  EXPECT_EQ(FixedText(doc.settings.display.imageSubPath), "img\\");
  EXPECT_EQ(doc.settings.display.copyImages, 1);

  // The search box lists the entries in the order the file holds them.
  EXPECT_EQ(doc.history, (std::vector<std::string>{"older", Sj("ソフト")}));

  ASSERT_EQ(doc.items.GetSize(), 3);
  EXPECT_EQ(doc.items.Cell(0, 1), Sj("りんご"));
  EXPECT_EQ(doc.items.Cell(0, 2), "120");
  EXPECT_EQ(doc.items.Memo(0), Sj("一行目\r\n二行目"));
  // The icon index is recomputed whatever the file held.
  EXPECT_EQ(doc.items.IconIndex(0), "1");
  EXPECT_EQ(doc.items.IconIndex(1), "2");
  EXPECT_EQ(doc.items.IconIndex(2), "3");
  EXPECT_EQ(doc.items.ImagePath(1), Sj("img\\表.jpg"));
  EXPECT_EQ(doc.items.Cell(2, 1), "");
  EXPECT_EQ(doc.items.Cell(0, 3), "");
}

TEST(DocumentLoad, ProtectedFilesAskForThePasswordOnlyInPasswordMode) {
  Fixture f = SampleFixture();
  f.mode = 2;
  Document doc;
  int asked = 0;
  ASSERT_EQ(Load(BuildFixture(f), doc, "", &asked).status, LoadStatus::kLoaded);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(doc.items.GetSize(), 3);
  EXPECT_EQ(doc.history.size(), 2u);

  f.mode = 1;
  f.password = Sj("秘密pw");
  const std::string bytes = BuildFixture(f);
  LoadResult result = Load(bytes, doc, Sj("秘密pw"), &asked);
  ASSERT_EQ(result.status, LoadStatus::kLoaded);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(result.password, Sj("秘密pw"));
  EXPECT_EQ(doc.items.Memo(2), "memo");
  EXPECT_EQ(FixedText(doc.settings.columns.names[1]), Sj("名前"));

  for (const std::string wrong : {std::string(), std::string("x"), Sj("秘密pw") + "!"}) {
    result = Load(bytes, doc, wrong);
    EXPECT_EQ(result.status, LoadStatus::kWrongPassword) << wrong;
    EXPECT_TRUE(result.password.empty());
    EXPECT_EQ(LoadStatusMessage(result.status), "パスワードが違います。");
  }
}

TEST(DocumentLoad, RefusesForeignAndDamagedHeaders) {
  const std::string good = BuildFixture(SampleFixture());
  Document doc;
  const auto statusOf = [&](std::string bytes) { return Load(bytes, doc).status; };

  EXPECT_EQ(statusOf("PK\x03\x04" + good.substr(4)), LoadStatus::kNotDocument);
  EXPECT_EQ(statusOf(""), LoadStatus::kNotDocument);
  EXPECT_EQ(LoadStatusMessage(LoadStatus::kNotDocument), "LTBファィルではありません。");

  std::string bytes = good;
  bytes[2] = 2;
  EXPECT_EQ(statusOf(bytes), LoadStatus::kBadVersion);
  bytes = good;
  bytes[3] = 0;
  EXPECT_EQ(statusOf(bytes), LoadStatus::kBadVersion);
  bytes = good;
  bytes[3] = 7;  // any later revision is read
  EXPECT_EQ(statusOf(bytes), LoadStatus::kLoaded);
  bytes = good;
  bytes[17] = 3;  // protection mode
  EXPECT_EQ(statusOf(bytes), LoadStatus::kBadVersion);
  EXPECT_EQ(statusOf(good.substr(0, 60)), LoadStatus::kBadVersion);
  // Cut inside the settings section, or an item offset past the end: the
  // file ended early, and nothing of it is loaded.
  bytes = good;
  test::PutU32(bytes, 12, static_cast<std::uint32_t>(good.size() + 1));  // item offset
  EXPECT_EQ(statusOf(bytes), LoadStatus::kEndedEarly);
  EXPECT_EQ(statusOf(good.substr(0, 150)), LoadStatus::kEndedEarly);
  EXPECT_EQ(LoadStatusMessage(LoadStatus::kEndedEarly), "ファイルが途中で終わっています。");
  bytes = good;
  test::PutU32(bytes, 12, 50);
  EXPECT_EQ(statusOf(bytes), LoadStatus::kBadVersion);
  // A settings section too short for its blocks.
  bytes = good.substr(0, 100 + 3000);
  test::PutU32(bytes, 12, static_cast<std::uint32_t>(bytes.size()));
  EXPECT_EQ(statusOf(bytes), LoadStatus::kBadVersion);
  EXPECT_EQ(doc.items.GetSize(), 0);
}

TEST(DocumentLoad, DamagedItemSectionsReadAsFarAsTheDataGoes) {
  Fixture f = SampleFixture();
  std::string bytes = BuildFixture(f);
  Document doc;

  // A count far beyond the records present neither allocates for it nor
  // invents empty items.
  // Each such file says that it ended early, and how many items were read
  // whole; a sound one does not.
  LoadResult result = Load(bytes, doc);
  EXPECT_FALSE(result.endedEarly);
  EXPECT_EQ(result.wholeItems, 3);
  EXPECT_EQ(EndedEarlyMessage(result), "");

  std::string huge = bytes;
  test::PutU32(huge, 4, 0xFFFFFFFFu);
  test::PutU32(huge, 8, 0xFFFFFFFFu);
  result = Load(huge, doc);
  ASSERT_EQ(result.status, LoadStatus::kLoaded);
  EXPECT_EQ(doc.items.GetSize(), 3);
  EXPECT_EQ(doc.history.size(), 2u);
  EXPECT_TRUE(result.endedEarly);
  EXPECT_EQ(EndedEarlyMessage(result),
            "ファイルが途中で終わっています。4294967295 個のアイテムのうち、"
            "最後まで読み込めたのは 3 個です。");

  // Cut anywhere in the item section: only the records read whole are
  // items, as many as the message says.
  const std::uint32_t itemOffset = ReadHeader(bytes)->itemOffset;
  for (std::size_t size = itemOffset; size < bytes.size(); ++size) {
    result = Load(bytes.substr(0, size), doc);
    ASSERT_EQ(result.status, LoadStatus::kLoaded);
    EXPECT_TRUE(result.endedEarly) << size;
    EXPECT_EQ(result.wholeItems, doc.items.GetSize()) << size;
  }
  result = Load(bytes.substr(0, bytes.size() - 5), doc);
  EXPECT_EQ(doc.items.GetSize(), 2);
  EXPECT_EQ(doc.items.Cell(1, 1), "b");
  EXPECT_EQ(EndedEarlyMessage(result),
            "ファイルが途中で終わっています。3 個のアイテムのうち、最後まで読み込めたのは 2 "
            "個です。");

  // Column counts outside 2..11 are clamped.
  std::string wide = bytes;
  wide[100 + 1188] = 40;
  ASSERT_EQ(Load(wide, doc).status, LoadStatus::kLoaded);
  EXPECT_EQ(doc.ColumnCount(), 11);
  wide[100 + 1188] = 0;
  ASSERT_EQ(Load(wide, doc).status, LoadStatus::kLoaded);
  EXPECT_EQ(doc.ColumnCount(), 2);
  EXPECT_EQ(doc.items.Cell(0, 1), Sj("りんご"));

  // An enciphered item section whose length is not a multiple of 8: the
  // whole blocks are read, the same items as without the stray bytes, even
  // where the records fill their blocks (no zero ends the text) and the
  // count promises one more record.
  while ((BuildFixture(f).size() - itemOffset) % 8 != 0) f.items.back().memo += 'm';
  f.mode = 2;
  Document whole;
  ASSERT_EQ(Load(BuildFixture(f), whole).status, LoadStatus::kLoaded);
  for (std::size_t stray = 1; stray < 8; ++stray) {
    std::string strayed = BuildFixture(f) + std::string(stray, 'x');
    test::PutU32(strayed, 4, 4);
    ASSERT_EQ(Load(strayed, doc).status, LoadStatus::kLoaded);
    ASSERT_EQ(doc.items.GetSize(), 3) << stray;
    for (int r = 0; r < 3; ++r) {
      EXPECT_EQ(doc.items.Cell(r, 1), whole.items.Cell(r, 1)) << stray;
      EXPECT_EQ(doc.items.Memo(r), whole.items.Memo(r)) << stray;
      EXPECT_EQ(doc.items.ImagePath(r), whole.items.ImagePath(r)) << stray;
    }
  }

  // The last record, one the table could keep where it lies, without its
  // end byte: its image path may be cut, so it is left out.
  f.mode = 0;
  f.items.back().columns[0] = "3";
  const std::string full = BuildFixture(f);
  const std::string unended = full.substr(0, full.size() - 1);
  Document held, viewed;
  ASSERT_EQ(LoadDocument(std::string(unended), {}, held).status, LoadStatus::kLoaded);
  ASSERT_EQ(Load(unended, viewed).status, LoadStatus::kLoaded);
  EXPECT_EQ(held.items.GetSize(), 2);
  EXPECT_EQ(viewed.items.GetSize(), 2);
}

Document SampleDocument();

TEST(DocumentLoad, CancelKeepsTheRecordsReadSoFar) {
  Fixture f = SampleFixture();
  Document doc;
  LoadCallbacks callbacks;
  std::uint32_t total = 0;
  callbacks.begin = [&](std::uint32_t n) { total = n; };
  callbacks.step = [](int done) { return done == 2; };
  const LoadResult result = LoadDocument(BuildFixture(f), callbacks, doc);
  EXPECT_EQ(result.status, LoadStatus::kCancelled);
  EXPECT_EQ(total, 3u);
  EXPECT_EQ(doc.items.GetSize(), 2);
  EXPECT_EQ(doc.items.ImagePath(1), Sj("img\\表.jpg"));

  // An enciphered item section is deciphered a stretch at a time, the
  // progress told with 0 between stretches; stopped there, no record is read.
  Document large = SampleDocument();
  large.items.SetMemo(0, std::string(std::size_t{17} << 20, 'm'));
  StoreOptions encrypted;
  encrypted.mode = ProtectionMode::kEncrypted;
  const std::string file = StoreDocument(large, encrypted);
  std::vector<int> steps;
  callbacks.step = [&](int done) {
    steps.push_back(done);
    return false;
  };
  Document read;
  ASSERT_EQ(LoadDocument(file, callbacks, read).status, LoadStatus::kLoaded);
  EXPECT_EQ(steps, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(read.items.Memo(0), large.items.Memo(0));
  callbacks.step = [](int) { return true; };
  EXPECT_EQ(LoadDocument(file, callbacks, read).status, LoadStatus::kCancelled);
  EXPECT_EQ(read.items.GetSize(), 0);
}

// Records the table can keep where they lie and records it must clean into
// a copy read alike, and a save writes them alike whichever way they went.
TEST(DocumentLoad, RecordsKeptInPlaceOrCleanedReadAndStoreAlike) {
  Fixture f;
  f.columnNames = {"", "A", "B"};
  f.items = {
      {{"0", "plain", "x"}, "", ""},
      {{"1", "memo", ""}, "m\x07\n", ""},          // kept: a memo may hold 0x07 and LF
      {{"0", "cr\rhere", "y"}, "", ""},            // a CR in a column becomes a space
      {{"0", "a", "b", "extra", "more"}, "", ""},  // fields past the column count
      {{"2", "icon", "wrong"}, "", ""},            // a stored icon that does not fit
      {{}, "", "i.png"},                           // no fields at all
  };
  std::string bytes = BuildFixture(f);
  // Text after the last field end of a line is not part of the item.
  const std::size_t tail = bytes.find("plain\x07x\x07") + 8;
  bytes.insert(tail, "junk");

  Document viewed;
  ASSERT_EQ(Load(bytes, viewed).status, LoadStatus::kLoaded);
  Document owned;
  ASSERT_EQ(LoadDocument(std::string(bytes), {}, owned).status, LoadStatus::kLoaded);
  for (const Document* doc : {&viewed, &owned}) {
    const ItemTable& t = doc->items;
    ASSERT_EQ(t.GetSize(), 6);
    EXPECT_EQ(t.Cell(0, 2), "x");
    EXPECT_EQ(t.Memo(1), "m\x07\n");
    EXPECT_EQ(t.IconIndex(1), "1");
    EXPECT_EQ(t.Cell(2, 1), "cr here");
    EXPECT_EQ(t.Cell(3, 2), "b");
    EXPECT_EQ(t.Cell(3, 3), "");
    EXPECT_EQ(t.IconIndex(4), "0");
    EXPECT_EQ(t.Cell(5, 1), "");
    EXPECT_EQ(t.IconIndex(5), "2");
    EXPECT_EQ(t.ImagePath(5), "i.png");
  }

  // The same rows built field by field store to the same bytes, also after
  // rows moved and one changed.
  ItemTable built;
  for (int r = 0; r < owned.items.GetSize(); ++r) built.AppendRow(owned.items.GetRow(r));
  Document rebuilt;
  rebuilt.settings = owned.settings;
  rebuilt.items = built;
  EXPECT_EQ(StoreDocument(owned, {}), StoreDocument(rebuilt, {}));
  const std::vector<int> order = {5, 0, 1, 3, 2, 4};
  owned.items.Permute(order);
  rebuilt.items.Permute(order);
  owned.items.SetCell(2, 2, "changed");
  rebuilt.items.SetCell(2, 2, "changed");
  StoreOptions encrypted;
  encrypted.mode = ProtectionMode::kEncrypted;
  EXPECT_EQ(StoreDocument(owned, encrypted), StoreDocument(rebuilt, encrypted));
  EXPECT_EQ(StoreDocument(owned, {}), StoreDocument(rebuilt, {}));
}

TEST(DocumentStore, LongRunsOfRecordsAreWrittenWhereTheyLie) {
  Fixture f;
  f.columnCount = 2;
  f.columnNames = {"", "A"};
  for (int r = 0; r < 6000; ++r)
    f.items.push_back({{"0", "row " + std::to_string(r) + std::string(30, 'x')}, "", ""});
  Document loaded;
  ASSERT_EQ(LoadDocument(BuildFixture(f), {}, loaded).status, LoadStatus::kLoaded);
  // A changed row between two runs of the loaded file's records.
  loaded.items.SetCell(3000, 1, "changed");
  const StoredPieces stored = StoreDocumentPieces(loaded, {});
  ASSERT_EQ(stored.pieces.size(), 4u);
  std::string joined;
  for (std::string_view piece : stored.pieces) joined += piece;
  EXPECT_EQ(joined, StoreDocument(loaded, {}));
  Document back;
  ASSERT_EQ(Load(joined, back).status, LoadStatus::kLoaded);
  ASSERT_EQ(back.items.GetSize(), 6000);
  for (int r = 0; r < 6000; ++r) EXPECT_EQ(back.items.Cell(r, 1), loaded.items.Cell(r, 1)) << r;
}

// The sample with its columns as the list shows them, the form every store
// writes, so a round trip gives back what was stored.
Document SampleDocument() {
  Document doc;
  Load(BuildFixture(SampleFixture()), doc);
  NormaliseShownColumns(doc.settings.columns);
  return doc;
}

TEST(DocumentStore, PlainEmptyDocumentLayout) {
  Document doc = SampleDocument();
  doc.items.ClearRows();
  doc.history.clear();
  const std::string bytes = StoreDocument(doc, {});
  ASSERT_EQ(bytes.size(), 100u + 3096u);
  EXPECT_EQ(bytes.substr(0, 4), std::string("LT\x01\x02", 4));
  EXPECT_EQ(bytes[16], 3);
  EXPECT_EQ(bytes[17], 0);
  std::uint32_t offset;
  std::memcpy(&offset, &bytes[12], 4);
  EXPECT_EQ(offset, bytes.size());
  EXPECT_TRUE(std::all_of(bytes.begin() + 18, bytes.begin() + 100, [](char c) { return c == 0; }));
  // The column block opens the settings section.
  EXPECT_EQ(bytes.substr(100 + 88 + 100, 4), Sj("名前"));
  EXPECT_EQ(bytes[100 + 1188], 3);
}

TEST(DocumentStore, HistoryKeepsTenEntriesInReverseOrder) {
  Document doc = SampleDocument();
  doc.history.clear();
  for (int i = 0; i < 12; ++i) doc.history.push_back("h" + std::to_string(i));
  const std::string bytes = StoreDocument(doc, {});
  EXPECT_EQ(bytes[8], 10);
  EXPECT_EQ(bytes.substr(3196, 9), "h9\nh8\nh7\n");
  Document reopened;
  ASSERT_EQ(Load(bytes, reopened).status, LoadStatus::kLoaded);
  ASSERT_EQ(reopened.history.size(), 10u);
  EXPECT_EQ(reopened.history.front(), "h9");
  EXPECT_EQ(reopened.history.back(), "h0");

  // A line break inside an entry would make two of it.
  doc.history = {"one\ntwo"};
  ASSERT_EQ(Load(StoreDocument(doc, {}), reopened).status, LoadStatus::kLoaded);
  EXPECT_EQ(reopened.history, std::vector<std::string>{"one two"});
}

TEST(DocumentStore, RoundTripsInEveryProtectionMode) {
  Document doc = SampleDocument();
  // A line break pasted into a cell must not break the record.
  doc.items.SetCell(1, 1, "two\r\nlines");
  doc.items.SetMemo(1, "memo\x08with backspace\r\n");
  doc.items.UpdateIconIndex(1);
  // A save takes the header-icon switch from column 1's image flag.
  doc.settings.columns.formats[1] |= kFormatImage;
  for (auto mode :
       {ProtectionMode::kPlain, ProtectionMode::kPassword, ProtectionMode::kEncrypted}) {
    StoreOptions options;
    options.mode = mode;
    options.password = "pw";
    const std::string bytes = StoreDocument(doc, options);
    EXPECT_EQ(bytes[17], static_cast<char>(mode));
    if (mode != ProtectionMode::kPlain) EXPECT_EQ((bytes.size() - 100) % 8, 0u);
    Document back;
    ASSERT_EQ(Load(bytes, back, "pw").status, LoadStatus::kLoaded);
    ASSERT_EQ(back.items.GetSize(), doc.items.GetSize());
    for (int r = 0; r < doc.items.GetSize(); ++r) {
      const ItemFields a = doc.items.GetRow(r), b = back.items.GetRow(r);
      for (int c = 0; c < kMaxColumns; ++c) EXPECT_EQ(a.columns[c], b.columns[c]) << r << "," << c;
      EXPECT_EQ(a.memo, b.memo);
      EXPECT_EQ(a.imagePath, b.imagePath);
    }
    EXPECT_EQ(back.items.Cell(1, 1), "two lines");
    EXPECT_EQ(back.items.Memo(1), "memo with backspace\r\n");
    EXPECT_EQ(std::memcmp(&back.settings.columns, &doc.settings.columns, sizeof(ColumnDescriptors)),
              0);
    EXPECT_EQ(std::memcmp(&back.settings.autoInsert, &doc.settings.autoInsert,
                          sizeof(AutoInsertSettings)),
              0);
  }
}

TEST(DocumentStore, WritesColumnsInDisplayOrder) {
  Document doc = SampleDocument();
  doc.settings.columns.count = 4;
  SetFixedText(doc.settings.columns.names[3], "Third");
  doc.items.SetCell(0, 3, "c3");
  const int order[] = {0, 3, 1, 2};
  StoreOptions options;
  options.displayOrder = order;
  Document back;
  ASSERT_EQ(Load(StoreDocument(doc, options), back).status, LoadStatus::kLoaded);
  EXPECT_EQ(FixedText(back.settings.columns.names[1]), "Third");
  EXPECT_EQ(FixedText(back.settings.columns.names[2]), Sj("名前"));
  EXPECT_EQ(back.settings.columns.formats[3], kFormatRight | kFormatImage);
  EXPECT_EQ(back.items.Cell(0, 1), "c3");
  EXPECT_EQ(back.items.Cell(0, 2), Sj("りんご"));
  EXPECT_EQ(back.items.Cell(0, 3), "120");

  // The icon column is written first wherever it was shown.
  const int iconMoved[] = {3, 0, 1, 2};
  options.displayOrder = iconMoved;
  ASSERT_EQ(Load(StoreDocument(doc, options), back).status, LoadStatus::kLoaded);
  EXPECT_EQ(back.items.Cell(0, 1), "c3");
  EXPECT_EQ(FixedText(back.settings.columns.names[1]), "Third");

  // An order that is not a permutation of the columns is not used.
  const int bad[] = {0, 7, 1, 2};
  options.displayOrder = bad;
  ASSERT_EQ(Load(StoreDocument(doc, options), back).status, LoadStatus::kLoaded);
  EXPECT_EQ(back.items.Cell(0, 1), Sj("りんご"));
}

// Whoever stores a document (the program, ltbtool, a test) gets the
// column block as the list shows it, without normalising it first.
TEST(DocumentStore, ColumnBlockIsStoredAsShown) {
  Document doc = SampleDocument();
  ColumnDescriptors& columns = doc.settings.columns;
  SetFixedText(columns.names[0], "icon");
  columns.widths[0] = 77;
  columns.formats[0] = 0;
  columns.headerIcons = 1;
  columns.formats[1] = 0;
  columns.formats[2] = kFormatRight;
  // A width the list cannot draw is drawn, and stored, as the widest it can.
  columns.widths[1] = 2147483647;
  columns.widths[2] = -5;
  Document back;
  ASSERT_EQ(Load(StoreDocument(doc, StoreOptions{}), back).status, LoadStatus::kLoaded);
  const ColumnDescriptors& stored = back.settings.columns;
  EXPECT_EQ(FixedText(stored.names[0]), "");
  EXPECT_EQ(stored.widths[0], 30);
  EXPECT_EQ(stored.widths[1], kMaxColumnWidth);
  EXPECT_EQ(stored.widths[2], 0);
  EXPECT_EQ(stored.formats[0], kFormatRight | kFormatImage);
  EXPECT_EQ(stored.formats[1], kFormatImage);
  EXPECT_EQ(stored.formats[2], kFormatRight | kFormatImage);
  EXPECT_EQ(stored.headerIcons, 1);

  // Header icons off: no image flag anywhere but the icon column.
  columns.headerIcons = 0;
  columns.formats[1] = kFormatImage;
  ASSERT_EQ(Load(StoreDocument(doc, StoreOptions{}), back).status, LoadStatus::kLoaded);
  EXPECT_EQ(stored.formats[1], 0);
  EXPECT_EQ(stored.formats[2], kFormatRight);
  EXPECT_EQ(stored.headerIcons, 0);
}

// An enciphered item section is the plain one padded with zeros to whole
// blocks, however long the items are.
TEST(DocumentStore, EncipheredItemsArePaddedToWholeBlocks) {
  Document doc = SampleDocument();
  StoreOptions encrypted;
  encrypted.mode = ProtectionMode::kEncrypted;
  const auto itemSection = [](const std::string& bytes) {
    std::uint32_t offset;
    std::memcpy(&offset, &bytes[12], 4);
    return bytes.size() - offset;
  };
  for (int extra = 0; extra < 8; ++extra) {
    doc.items.SetMemo(0, std::string(static_cast<std::size_t>(extra), 'm'));
    const std::size_t plain = itemSection(StoreDocument(doc, {}));
    EXPECT_EQ(itemSection(StoreDocument(doc, encrypted)), (plain + 7) / 8 * 8) << extra;
  }
}

TEST(DocumentStore, EmptyDocumentsReadBackInEveryMode) {
  // The item section of an empty document begins exactly at the file's end.
  Document doc = SampleDocument();
  doc.items.ClearRows();
  for (auto mode :
       {ProtectionMode::kPlain, ProtectionMode::kPassword, ProtectionMode::kEncrypted}) {
    StoreOptions options;
    options.mode = mode;
    options.password = "pw";
    Document back;
    ASSERT_EQ(Load(StoreDocument(doc, options), back, "pw").status, LoadStatus::kLoaded);
    EXPECT_TRUE(back.items.IsEmpty());
    EXPECT_EQ(back.ColumnCount(), 3);
  }
}

TEST(DocumentLoad, PlainHistoryLinesMayEndInCrLf) {
  Fixture f = SampleFixture();
  f.storedHistory = {"first\r", "second\r", "third"};  // each entry gets "\n"
  Document doc;
  ASSERT_EQ(Load(BuildFixture(f), doc).status, LoadStatus::kLoaded);
  EXPECT_EQ(doc.history, (std::vector<std::string>{"first", "second", "third"}));
  EXPECT_EQ(doc.items.GetSize(), 3);
}

TEST(DocumentStore, ADisplayOrderThatIsNoPermutationIsNotUsed) {
  const Document doc = SampleDocument();
  const int repeated[] = {0, 1, 1};
  const int beyond[] = {0, 1, 3};  // one past the last of three columns
  for (std::span<const int> order :
       {std::span<const int>(repeated), std::span<const int>(beyond)}) {
    StoreOptions options;
    options.displayOrder = order;
    Document back;
    ASSERT_EQ(Load(StoreDocument(doc, options), back).status, LoadStatus::kLoaded);
    EXPECT_EQ(FixedText(back.settings.columns.names[2]), Sj("表示"));
    EXPECT_EQ(back.items.Cell(0, 1), Sj("りんご"));
    EXPECT_EQ(back.items.Cell(0, 2), "120");
  }
}

TEST(DocumentStore, ProtectionModeRule) {
  std::string password = "pw";
  EXPECT_EQ(ChooseProtectionMode(true, true, password), ProtectionMode::kPassword);
  EXPECT_EQ(password, "pw");
  EXPECT_EQ(ChooseProtectionMode(false, true, password), ProtectionMode::kEncrypted);
  EXPECT_TRUE(password.empty());
  EXPECT_EQ(ChooseProtectionMode(true, false, password), ProtectionMode::kEncrypted);
  EXPECT_EQ(ChooseProtectionMode(false, false, password), ProtectionMode::kPlain);
}

TEST(AppendLoad, TakesOnlyTheSharedColumnsAndChecksThePassword) {
  Fixture f = SampleFixture();
  f.columnCount = 3;
  ItemTable items;
  items.AppendRow({});
  LoadCallbacks callbacks;
  ASSERT_EQ(LoadItemsForAppend(BuildFixture(f), 2, callbacks, items).status, LoadStatus::kLoaded);
  ASSERT_EQ(items.GetSize(), 4);
  EXPECT_EQ(items.Cell(1, 1), Sj("りんご"));
  EXPECT_EQ(items.Cell(1, 2), "");  // beyond the open document's columns
  EXPECT_EQ(items.Memo(1), Sj("一行目\r\n二行目"));

  f.mode = 1;
  f.password = "pw";
  callbacks.askPassword = [] { return std::string("nope"); };
  EXPECT_EQ(LoadItemsForAppend(BuildFixture(f), 3, callbacks, items).status,
            LoadStatus::kWrongPassword);
  EXPECT_EQ(items.GetSize(), 4);
  callbacks.askPassword = [] { return std::string("pw"); };
  EXPECT_EQ(LoadItemsForAppend(BuildFixture(f), 3, callbacks, items).status, LoadStatus::kLoaded);
  EXPECT_EQ(items.GetSize(), 7);
  EXPECT_EQ(items.Cell(6, 2), "3");

  // A header claiming fewer columns than the records hold: only its
  // columns are taken.
  f = SampleFixture();
  f.columnCount = 2;
  ItemTable narrow;
  ASSERT_EQ(LoadItemsForAppend(BuildFixture(f), 3, {}, narrow).status, LoadStatus::kLoaded);
  ASSERT_EQ(narrow.GetSize(), 3);
  EXPECT_EQ(narrow.Cell(0, 1), Sj("りんご"));
  EXPECT_EQ(narrow.Cell(0, 2), "");
}

}  // namespace
}  // namespace listora
