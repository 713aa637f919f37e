// Makes the sample document and its pictures from the readable tables in
// examples/source/ (UTF-8, tab separated, one header line):
//   garden.tsv    one item per line: four columns, the picture's name, the
//                 memo ("\n" for a line break)
//   pictures.tsv  how each picture is drawn: background, body and leaf
//                 colours (RRGGBB) and the body's shape
// Writes OUT/sample.ltb and OUT/img/<picture>.bmp. The document keeps its
// images beside itself (sub-folder "img/"), so it opens wherever the
// repository lies. scripts/make_sample.sh runs it.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/base/file_io.h"
#include "core/base/settings_file.h"
#include "core/doc/document_file.h"
#include "core/doc/item_table.h"
#include "core/text/encoding.h"

namespace {

using listora::TextToCp932;
namespace fs = std::filesystem;

std::vector<std::vector<std::string>> ReadTable(const fs::path& file) {
  std::ifstream in(file);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::vector<std::vector<std::string>> rows;
  std::string line;
  std::getline(in, line);  // the header
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    std::vector<std::string> fields;
    std::stringstream split(line);
    std::string field;
    while (std::getline(split, field, '\t')) fields.push_back(field);
    if (line.back() == '\t') fields.emplace_back();
    rows.push_back(std::move(fields));
  }
  return rows;
}

struct Rgb {
  double r = 0, g = 0, b = 0;
};

Rgb ParseColour(const std::string& hex) {
  const unsigned long value = std::stoul(hex, nullptr, 16);
  return {static_cast<double>((value >> 16) & 0xFF), static_cast<double>((value >> 8) & 0xFF),
          static_cast<double>(value & 0xFF)};
}

Rgb Mix(const Rgb& a, const Rgb& b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

struct Picture {
  Rgb background, body, leaf;
  std::string shape;  // round, small, long or root
};

constexpr int kWidth = 160;
constexpr int kHeight = 120;

// How far inside the body (x, y) lies: > 0 inside, about 1 at the centre.
double BodyDepth(const std::string& shape, double x, double y) {
  const auto ellipse = [x, y](double cx, double cy, double rx, double ry) {
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return 1 - (dx * dx + dy * dy);
  };
  if (shape == "small") {
    return std::max({ellipse(56, 78, 20, 20), ellipse(104, 78, 20, 20), ellipse(80, 48, 20, 20)});
  }
  if (shape == "long") return ellipse(80, 68, 22, 44);
  if (shape == "root") {
    // Wide at the top, narrowing to a point.
    if (y < 34 || y > 112) return -1;
    const double half = 26 * (112 - y) / 78;
    return half <= 0 ? -1 : 1 - std::abs(x - 80) / half;
  }
  return ellipse(80, 70, 40, 36);
}

double LeafDepth(const std::string& shape, double x, double y) {
  const auto ellipse = [x, y](double cx, double cy, double rx, double ry) {
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return 1 - (dx * dx + dy * dy);
  };
  if (shape == "root") {
    return std::max({ellipse(66, 18, 8, 16), ellipse(80, 14, 7, 18), ellipse(94, 18, 8, 16)});
  }
  if (shape == "long") return ellipse(80, 24, 16, 7);
  if (shape == "small") return ellipse(80, 24, 12, 6);
  return std::max(ellipse(68, 34, 14, 6), ellipse(92, 34, 14, 6));
}

// A 24-bit bitmap file, rows bottom-up, each padded to four bytes.
std::string DrawBitmap(const Picture& picture) {
  const int rowBytes = (kWidth * 3 + 3) / 4 * 4;
  const std::uint32_t imageBytes = static_cast<std::uint32_t>(rowBytes * kHeight);
  std::string bmp;
  const auto put16 = [&bmp](std::uint32_t v) {
    bmp.push_back(static_cast<char>(v & 0xFF));
    bmp.push_back(static_cast<char>((v >> 8) & 0xFF));
  };
  const auto put32 = [&put16](std::uint32_t v) {
    put16(v & 0xFFFF);
    put16(v >> 16);
  };
  bmp += "BM";
  put32(54 + imageBytes);
  put32(0);
  put32(54);
  put32(40);
  put32(kWidth);
  put32(kHeight);
  put16(1);
  put16(24);
  put32(0);
  put32(imageBytes);
  put32(2835);
  put32(2835);
  put32(0);
  put32(0);
  const Rgb white{255, 255, 255};
  for (int row = kHeight - 1; row >= 0; --row) {
    std::string line;
    for (int x = 0; x < kWidth; ++x) {
      const double y = row;
      Rgb colour = picture.background;
      const double body = BodyDepth(picture.shape, x, y);
      if (body > 0) {
        // A light from the upper left.
        const double shine = std::max(0.0, 1 - std::hypot(x - 64, y - 48) / 40);
        colour = Mix(Mix(picture.body, Rgb{0, 0, 0}, 0.25 * (1 - body)), white, 0.45 * shine);
      }
      if (LeafDepth(picture.shape, x, y) > 0) colour = picture.leaf;
      line.push_back(static_cast<char>(std::lround(colour.b)));
      line.push_back(static_cast<char>(std::lround(colour.g)));
      line.push_back(static_cast<char>(std::lround(colour.r)));
    }
    line.resize(static_cast<std::size_t>(rowBytes), '\0');
    bmp += line;
  }
  return bmp;
}

std::string MemoText(const std::string& escaped) {
  std::string memo;
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    if (escaped.compare(i, 2, "\\n") == 0) {
      memo += "\r\n";
      ++i;
    } else {
      memo.push_back(escaped[i]);
    }
  }
  return TextToCp932(memo);
}

void Write(const fs::path& file, const std::string& bytes) {
  listora::FileError error;
  if (!listora::WriteFileAtomically(file, bytes, &error)) throw std::runtime_error(error.what);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_sample SOURCE_DIR OUT_DIR\n";
    return 1;
  }
  const fs::path source = argv[1];
  const fs::path out = argv[2];
  try {
    std::map<std::string, Picture> pictures;
    for (const auto& row : ReadTable(source / "pictures.tsv")) {
      if (row.size() < 5) throw std::runtime_error("pictures.tsv: five fields per line");
      pictures[row[0]] = {ParseColour(row[1]), ParseColour(row[2]), ParseColour(row[3]), row[4]};
    }

    listora::Document doc;
    // The defaults of a new document: no settings file is read.
    listora::ResetDocumentSettings(listora::SettingsFile(fs::path()), doc.settings);
    listora::ColumnDescriptors& columns = doc.settings.columns;
    columns.count = 5;
    const char* names[] = {"名前", "分類", "植え付け", "場所"};
    const int widths[] = {120, 70, 80, 90};
    for (int n = 1; n <= 4; ++n) {
      listora::SetFixedText(columns.names[n], TextToCp932(names[n - 1]));
      columns.widths[n] = widths[n - 1];
    }
    listora::DisplayOptions& display = doc.settings.display;
    display.imagePathMode = 1;  // beside the document
    listora::SetFixedText(display.imageSubPath, "img/");
    display.copyImages = 0;
    display.imageFit = 1;

    fs::create_directories(out / "img");
    for (const auto& row : ReadTable(source / "garden.tsv")) {
      if (row.size() < 4) throw std::runtime_error("garden.tsv: at least four fields per line");
      listora::ItemFields item;
      for (int n = 1; n <= 4; ++n) item.columns[n] = TextToCp932(row[n - 1]);
      const std::string picture = row.size() > 4 ? row[4] : "";
      if (!picture.empty()) {
        const auto found = pictures.find(picture);
        if (found == pictures.end()) throw std::runtime_error("no picture " + picture);
        const std::string file = picture + ".bmp";
        Write(out / "img" / file, DrawBitmap(found->second));
        item.imagePath = "img/" + file;
      }
      if (row.size() > 5) item.memo = MemoText(row[5]);
      item.columns[0] = listora::MakeIconIndex(item.memo, item.imagePath);
      doc.items.AppendRow(item);
    }
    doc.history = {TextToCp932("トマト")};
    Write(out / "sample.ltb", listora::StoreDocument(doc, {}));
  } catch (const std::exception& error) {
    std::cerr << "make_sample: " << error.what() << "\n";
    return 2;
  }
  return 0;
}
