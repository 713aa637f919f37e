#include "core/doc/document_settings.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>

#include "core/base/default_font.h"
#include "core/base/profile.h"
#include "core/doc/columns.h"

namespace listora {
namespace {

std::uint8_t ReadFlag(const Profile& p, std::string_view section, std::string_view key, int def) {
  return p.GetInt(section, key, def) != 0 ? 1 : 0;
}

// Values that pick one of a few choices: anything outside the choices (a
// hand edit) reads as the default, so no consumer indexes past its list.
std::uint8_t ReadChoice(const Profile& p, std::string_view section, std::string_view key, int def,
                        int first, int last) {
  const std::int32_t v = p.GetInt(section, key, def);
  return static_cast<std::uint8_t>(v >= first && v <= last ? v : def);
}

void ReadFixedText(const Profile& p, std::string_view section, std::string_view key,
                   std::string_view def, char* field, std::size_t fieldSize) {
  SetFixedText(field, fieldSize, p.GetString(section, key, def));
}

void ReadViewStyle(const Profile& p, std::string_view section, ViewStyle& style) {
  style.background = static_cast<std::uint32_t>(p.GetInt(section, "BKCOLOR", 0));
  style.text = static_cast<std::uint32_t>(p.GetInt(section, "TXCOLOR", 0x00FF00));
  style.fontSize = static_cast<std::int16_t>(std::clamp<std::int32_t>(
      p.GetInt(section, "FontSize", 90), std::numeric_limits<std::int16_t>::min(),
      std::numeric_limits<std::int16_t>::max()));
  ReadFixedText(p, section, "FontName", DefaultFontName(), style.fontName, sizeof style.fontName);
}

constexpr int kFieldKindCount = 11;  // "フォルダ名" .. "連番"

}  // namespace

void ResetDocumentSettings(const Profile& p, DocumentSettings& s) {
  std::memset(&s, 0, sizeof s);

  s.layout.showList = ReadFlag(p, "View", "List", 1);
  s.layout.showTree = ReadFlag(p, "View", "Tree", 1);
  s.layout.showText = ReadFlag(p, "View", "Text", 1);
  s.layout.showImage = ReadFlag(p, "View", "Prev", 1);
  s.layout.split1 = p.GetInt("View", "Split1", 7000);
  s.layout.split2 = p.GetInt("View", "Split2", 7000);
  s.layout.split3 = p.GetInt("View", "Split3", 6000);

  ReadViewStyle(p, "List", s.styles.pane[ViewStyles::kList]);
  ReadViewStyle(p, "Tree", s.styles.pane[ViewStyles::kTree]);
  ReadViewStyle(p, "Text", s.styles.pane[ViewStyles::kText]);
  ReadViewStyle(p, "Prev", s.styles.pane[ViewStyles::kImage]);

  DisplayOptions& d = s.display;
  d.imageFit = ReadChoice(p, "Other", "Position", 1, 0, 1);
  d.treeIcons = ReadFlag(p, "Other", "ICON", 1);
  d.mainToolBar = ReadFlag(p, "Other", "MainTool", 1);
  d.statusBar = ReadFlag(p, "Other", "Status", 1);
  d.treeToolBar = ReadFlag(p, "Other", "TreeTool", 1);
  d.imagePathMode = ReadChoice(p, "Image", "Radio", 0, 0, 2);
  d.copyImages = p.GetInt("Image", "Copy", 1);
  ReadFixedText(p, "Image", "Edit", "img\\", d.imageSubPath, sizeof d.imageSubPath);

  AutoInsertSettings& a = s.autoInsert;
  ReadFixedText(p, "Auto", "FolName", "C:\\", a.folder, sizeof a.folder);
  ReadFixedText(p, "Auto", "Kaku", "*", a.pattern, sizeof a.pattern);
  a.subFolders = ReadFlag(p, "Auto", "Sub", 0);
  a.lastColumn = ReadChoice(p, "Auto", "Sel", 1, 1, kMaxColumns - 1);
  ReadFixedText(p, "Auto", "RenTxt", "Sample *", a.serialText, sizeof a.serialText);
  a.serialStart = p.GetInt("Auto", "RenStart", 1);
  a.serialDigits = p.GetInt("Auto", "RenKeta", 2);

  ColumnDescriptors& c = s.columns;
  c.count = static_cast<std::uint16_t>(ClampColumnCount(p.GetInt("Column", "Count", 5)));
  c.headerIcons = ReadFlag(p, "Column", "ICON", 1);

  for (int n = 0; n < kMaxColumns; ++n) SetDefaultColumn(c, n);
  for (int n = 1; n < kMaxColumns; ++n) {
    char key[16];
    std::snprintf(key, sizeof key, "No.%d", n);
    a.kinds[n] = ReadChoice(p, "Auto", key, n - 1, 0, kFieldKindCount - 1);
  }
}

}  // namespace listora
