// Writes the seed corpora with the project's own writers: documents stored
// in each protection mode (the password ones under the fuzz password, so
// they are genuinely enciphered), and settings files written key by key.
//   make_seeds OUT_DIR
// creates OUT_DIR/{load_plain,load_password,load_encrypted,round_trip,
// settings_file,edits,text,csv_import}.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/base/settings_file.h"
#include "core/doc/columns.h"
#include "core/doc/document_file.h"
#include "core/doc/export.h"
#include "fuzz/fuzz_document.h"

using namespace listora;
namespace fs = std::filesystem;

namespace {

void Save(const fs::path& file, std::string_view bytes) {
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
}

// Documents from empty to a few items, with memos, image paths, double-byte
// text, the history and every column count.
std::vector<Document> SampleDocuments() {
  std::vector<Document> docs;
  for (int columns : {2, 4, 11}) {
    for (int items : {0, 1, 3}) {
      Document doc;
      doc.settings.columns.count = static_cast<std::uint16_t>(columns);
      for (int c = 0; c < kMaxColumns; ++c) SetDefaultColumn(doc.settings.columns, c);
      if (columns > 2) doc.settings.columns.formats[2] |= kFormatRight;
      for (int i = 0; i < items; ++i) {
        ItemFields f;
        for (int c = 1; c < columns; ++c) f.columns[c] = "t" + std::to_string(i * 10 + c);
        if (columns > 3) f.columns[3] = "\x93\xfa\x96\x7b\x8c\xea";  // double-byte text
        if (i % 2 == 0) f.memo = "memo line\r\nsecond";
        if (i == 1) f.imagePath = "images\\cover.jpg";
        f.columns[0] = MakeIconIndex(f.memo, f.imagePath);
        doc.items.AppendRow(f);
      }
      if (items > 1) doc.history = {"newest", "older", "\x83\x65\x83\x58\x83\x67"};
      docs.push_back(std::move(doc));
    }
  }
  // Thousands of short items, within the fuzzers' input size: the loader's
  // reserve and growth, and tables of many rows after the load.
  for (int columns : {2, 3}) {
    Document doc;
    doc.settings.columns.count = static_cast<std::uint16_t>(columns);
    for (int c = 0; c < kMaxColumns; ++c) SetDefaultColumn(doc.settings.columns, c);
    for (int i = 0; i < 3000; ++i) {
      ItemFields f;
      f.columns[1] = std::to_string(i);
      if (i % 100 == 0) f.memo = "m";
      f.columns[0] = MakeIconIndex(f.memo, f.imagePath);
      doc.items.AppendRow(f);
    }
    docs.push_back(std::move(doc));
  }
  return docs;
}

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values) bytes.push_back(static_cast<char>(value));
  return bytes;
}

// Programs for the edits fuzzer (the operations are in edits_fuzzer.cpp):
// each appends a few hundred rows or rows of kilobytes, edits them, saves,
// loads and cuts; the last writes records larger than a block and has
// their garbage reclaimed.
std::vector<std::string> EditPrograms() {
  return {
      Bytes({1,                                                // three columns
             0,  0xF3, 40,   'x',  1,                          // 257 rows, 40-byte fill, memos
             4,  0,    16,   0xF1, 0, 1, 3, 'a', 'b', 'c', 0,  // rewrite 129 rows' column 2
             9,  0,                                            // save plain, load
             5,  2,    0,                                      // remove every third row
             9,  2,                                            // save enciphered, load
             10, 0,    0x40, 0,                                // load a cut copy
             4,  0,    0,    0xFF, 0, 0, 1, 'z', 1,            // every image path rewritten
             9,  1}),                                          // save with the password, load
      Bytes({9,                                                // eleven columns
             0,   0xF1, 24,   '.',  1,                         // 129 rows
             1,   0,    5,    2,    'a', 'b',  3,    'x',  'y',
             'z', 2,    'm',  '\n',                               // insert at row 5
             3,   0,    7,    11,   4,   7,    10,   13,   10,    // a memo of separators
             6,   3,                                              // mark every fourth, move up
             7,   0,                                              // reverse
             8,   0,    1,                                        // delete column 2
             11,                                                  // copy
             9,   1,                                              // save with the password, load
             10,  1,    0x10, 0,                                  // load a cut copy
             0,   0xF2, 64,   0x82, 1,                            // 193 rows of lead bytes
             5,   5,    1,                                        // remove every sixth row
             3,   0,    0,    2,    4,   0x82, 0xa0, 0x82, 0xa2,  // double-byte text
             2,   0,    1}),                                      // remove row 1
      Bytes({4,                                                   // six columns
             0, 0x1C, 0xF3, 'f',  0,                              // 8 rows of 4 KiB
             9, 0,                                                // save plain, load
             4, 0,    0,    0x20, 0, 0, 1, 'a', 1,                // every image path, ten times
             4, 0,    0,    0x20, 0, 0, 1, 'b', 1, 4,  0, 0,    0x20, 0, 0, 1, 'c', 1,
             4, 0,    0,    0x20, 0, 0, 1, 'd', 1, 4,  0, 0,    0x20, 0, 0, 1, 'e', 1,
             4, 0,    0,    0x20, 0, 0, 1, 'f', 1, 4,  0, 0,    0x20, 0, 0, 1, 'g', 1,
             4, 0,    0,    0x20, 0, 0, 1, 'h', 1, 4,  0, 0,    0x20, 0, 0, 1, 'i', 1,
             4, 0,    0,    0x20, 0, 0, 1, 'j', 1, 10, 2, 0x80, 0}),  // load a cut enciphered copy
  };
}

// Texts for the converter fuzzer: CP932 and UTF-8, references, their escape
// and bytes that are neither.
std::vector<std::string> ConverterTexts() {
  return {"\x93\xfa\x96\x7b\x8c\xea&#x1F600;\x81\x60", "日本語😀&#x1F600;&#x26;#x41;〜¥",
          "ab&#x26;#x1F600;&#xD55C;&#x41;\x83",
          std::string("\x82\xa0\x00\x81&&#x10FFFF;\xff\xed\xa0\x80", 19)};
}

// A settings-fuzzer input: the value (ended by "\\;"), the file, and the
// bytes the names and numbers are taken from at the end.
std::string SettingsSeed(std::string_view value, std::string_view file) {
  std::string seed(value);
  seed += "\\;";
  seed += file;
  seed += std::string("\x00\x03\x11\x22\x05\x01\x02\x00\x04\x02\x01\x00", 12);
  return seed;
}

// Import-fuzzer inputs: the byte that chooses encoding, separator, header
// and columns, then the file. The program's own export of each sample
// document, and files as spreadsheets write them.
std::vector<std::string> CsvSeeds(const std::vector<Document>& docs) {
  std::vector<std::string> seeds;
  for (const Document& doc : docs) {
    if (!doc.items.IsEmpty()) seeds.push_back('\x00' + ExportCsv(doc.settings.columns, doc.items));
  }
  const std::string utf16 = std::string(
      "\xFF\xFE"
      "a\0\t\0\"\0b\0\"\0\r\0\n\0",
      16);
  seeds.insert(seeds.end(),
               {std::string("\x20") + "name,qty\r\napple,3\r\n\"two\r\nlines\",\"a \"\"q\"\"\"",
                std::string("\x01") + "\xEF\xBB\xBF\xE5\x90\x8D,\xF0\x9F\x98\x80\n",
                std::string(1, '\0') + "a,b\rc,d\r\r,,\r\n1,2,3,4,5,6,7,8,9,10,11,12",
                std::string("\x10") + "\xB6\xC0\x95\x5C\t\x82\xA0\r\n", std::string("\x02") + utf16,
                std::string("\x48") + "x\ty,z\n\"open"});
  return seeds;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seeds OUT_DIR\n");
    return 1;
  }
  const fs::path out = argv[1];
  const char* modeDirs[] = {"load_plain", "load_password", "load_encrypted"};
  for (const char* dir : modeDirs) fs::create_directories(out / dir);
  fs::create_directories(out / "round_trip");
  fs::create_directories(out / "settings_file");
  fs::create_directories(out / "edits");
  fs::create_directories(out / "text");
  int program = 0;
  for (const std::string& bytes : EditPrograms())
    Save(out / "edits" / ("program" + std::to_string(program++)), bytes);
  int text = 0;
  for (const std::string& bytes : ConverterTexts())
    Save(out / "text" / ("text" + std::to_string(text++)), bytes);
  fs::create_directories(out / "csv_import");

  const std::vector<Document> docs = SampleDocuments();
  int n = 0;
  for (const Document& doc : docs) {
    for (int mode = 0; mode < 3; ++mode) {
      StoreOptions options;
      options.mode = static_cast<ProtectionMode>(mode);
      options.password = fuzz::kPassword;
      const std::string bytes = StoreDocument(doc, options);
      const std::string name = "doc" + std::to_string(n) + ".ltb";
      Save(out / modeDirs[mode] / name, bytes);
      Save(out / "round_trip" / ("m" + std::to_string(mode) + "-" + name), bytes);
    }
    ++n;
  }

  // Settings files as the program writes them, grown one key at a time.
  const fs::path scratch = out / "settings_file" / "scratch.ini";
  fs::remove(scratch);
  SettingsFile settingsFile(scratch);
  const char* keys[][3] = {{"Main", "Pass", "1"},         {"Main", "Ango", "0"},
                           {"aA", "b1", " spaced "},      {"Window", "Left", "-20"},
                           {"a", "_", "\"quoted\""},      {"B", "bb", "\x83\x65\x83\x58"},
                           {"Main", "pass", "2147483647"}};
  int k = 0;
  for (const auto& [section, key, value] : keys) {
    settingsFile.WriteString(section, key, value);
    std::ifstream in(scratch, std::ios::binary);
    const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Save(out / "settings_file" / ("ini" + std::to_string(k++)), SettingsSeed(value, file));
  }
  Save(out / "settings_file" / "comments",
       SettingsSeed("x", "; comment\r\n[a]\r\n  A = 1 \r\n\r\n[b]\nb1='v'\n[a]\r\n_=2"));
  fs::remove(scratch);

  int c = 0;
  for (const std::string& seed : CsvSeeds(docs))
    Save(out / "csv_import" / ("csv" + std::to_string(c++)), seed);
  return 0;
}
