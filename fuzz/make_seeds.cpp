// Writes the seed corpora with the project's own writers: documents stored
// in each protection mode (the password ones under the fuzz password, so
// they are genuinely enciphered), and settings files written key by key.
//   make_seeds OUT_DIR
// creates OUT_DIR/{load_plain,load_password,load_encrypted,round_trip,
// settings_file}.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/app/profile.h"
#include "core/doc/columns.h"
#include "core/doc/document_file.h"
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
  return docs;
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

  int n = 0;
  for (const Document& doc : SampleDocuments()) {
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
  Profile profile(scratch);
  const char* keys[][3] = {{"Main", "Pass", "1"},         {"Main", "Ango", "0"},
                           {"aA", "b1", " spaced "},      {"Window", "Left", "-20"},
                           {"a", "_", "\"quoted\""},      {"B", "bb", "\x83\x65\x83\x58"},
                           {"Main", "pass", "2147483647"}};
  int k = 0;
  for (const auto& [section, key, value] : keys) {
    profile.WriteString(section, key, value);
    std::ifstream in(scratch, std::ios::binary);
    const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Save(out / "settings_file" / ("ini" + std::to_string(k++)), SettingsSeed(value, file));
  }
  Save(out / "settings_file" / "comments",
       SettingsSeed("x", "; comment\r\n[a]\r\n  A = 1 \r\n\r\n[b]\nb1='v'\n[a]\r\n_=2"));
  fs::remove(scratch);
  return 0;
}
