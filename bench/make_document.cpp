// Writes a document of N items the way the benchmarks need it: four user
// columns (a title, an author among a few thousand, a year, a tag), a memo
// on every tenth item and an image path on every tenth other item; the same
// document enciphered; and the same rows as tab-separated and CSV text for
// the reference tools (a memo's line break becomes a space there).
//
//   bench_make_document N OUT.ltb [--encrypted OUT.ltb] [--tsv OUT] [--csv OUT]

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <string_view>

#include "core/base/file_io.h"
#include "core/base/settings_file.h"
#include "core/doc/columns.h"
#include "core/doc/document_file.h"
#include "core/doc/document_settings.h"

using namespace listora;

namespace {

// Syllables in CP932: ASCII ones and double-byte katakana, so titles mix
// single- and double-byte characters as real lists do.
constexpr std::string_view kSyllables[] = {
    "ka",       "to",       "mi",       "ra",       "no",       "se",
    "yu",       "\x83\x4A", "\x83\x67", "\x83\x7E", "\x83\x89", "\x83\x6D",
    "\x83\x5A", "\x83\x86", "ri",       "\x83\x8C", "su",       "\x83\x52"};

std::string Word(std::mt19937& random, int syllables) {
  std::string word;
  for (int i = 0; i < syllables; ++i) word += kSyllables[random() % std::size(kSyllables)];
  return word;
}

bool Write(const std::string& file, std::string_view bytes) {
  FileError error;
  if (WriteFileAtomically(file, bytes, &error)) return true;
  std::cerr << error.what << '\n';
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: bench_make_document N OUT.ltb [--encrypted OUT.ltb] [--tsv OUT] "
                 "[--csv OUT]\n";
    return 1;
  }
  const int count = std::atoi(argv[1]);
  const std::string out = argv[2];
  std::string encrypted, tsv, csv;
  for (int i = 3; i + 1 < argc; i += 2) {
    const std::string_view option = argv[i];
    if (option == "--encrypted") encrypted = argv[i + 1];
    if (option == "--tsv") tsv = argv[i + 1];
    if (option == "--csv") csv = argv[i + 1];
  }

  Document doc;
  // The settings a new document gets where no settings file is found, so
  // the desktop program shows it in all four panes as it would show a
  // document of its own.
  ResetDocumentSettings(SettingsFile(std::filesystem::path()), doc.settings);
  doc.settings.columns.count = 5;
  for (int c = 0; c < kMaxColumns; ++c) SetDefaultColumn(doc.settings.columns, c);
  std::mt19937 random(12);
  std::string authors[4000];
  for (auto& author : authors) author = Word(random, 3) + " " + Word(random, 3);
  std::string tsvText, csvText;
  ItemFields item;
  for (int i = 0; i < count; ++i) {
    item.columns[1] = Word(random, 4 + static_cast<int>(random() % 6));
    item.columns[2] = authors[random() % std::size(authors)];
    item.columns[3] = std::to_string(1950 + random() % 75);
    item.columns[4] = Word(random, 3 + static_cast<int>(random() % 5));
    item.memo = i % 10 == 3 ? "memo " + std::to_string(i) + "\r\n" + Word(random, 12) : "";
    item.imagePath = i % 10 == 7 ? "images\\" + std::to_string(i) + ".jpg" : "";
    item.columns[0] = MakeIconIndex(item.memo, item.imagePath);
    doc.items.AppendRow(item);
    std::string memo = item.memo;
    if (const auto at = memo.find("\r\n"); at != std::string::npos) memo.replace(at, 2, " ");
    const std::string_view fields[] = {
        item.columns[1], item.columns[2], item.columns[3], item.columns[4], memo, item.imagePath};
    for (std::size_t f = 0; f < std::size(fields); ++f) {
      if (!tsv.empty()) (tsvText += fields[f]) += f + 1 < std::size(fields) ? '\t' : '\n';
      if (!csv.empty())
        ((csvText += '"') += fields[f]) += f + 1 < std::size(fields) ? "\"," : "\"\n";
    }
  }

  bool ok = Write(out, StoreDocument(doc, {}));
  if (!encrypted.empty()) {
    StoreOptions options;
    options.mode = ProtectionMode::kEncrypted;
    ok = Write(encrypted, StoreDocument(doc, options)) && ok;
  }
  if (!tsv.empty()) ok = Write(tsv, tsvText) && ok;
  if (!csv.empty()) ok = Write(csv, csvText) && ok;
  return ok ? 0 : 1;
}
