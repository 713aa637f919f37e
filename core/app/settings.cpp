#include "core/app/settings.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>

#include "core/app/profile.h"
#include "core/doc/columns.h"
#include "core/text/encoding.h"

namespace listora {
namespace {

std::string DefaultFontName() { return TextToCp932("ＭＳ Ｐゴシック"); }

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

void SetFixedText(char* field, std::size_t fieldSize, std::string_view text) {
  if (fieldSize == 0) return;
  const std::size_t n = TextPrefixLength(text, fieldSize - 1);
  std::memcpy(field, text.data(), n);
  std::memset(field + n, 0, fieldSize - n);
}

std::string_view FixedText(const char* field, std::size_t fieldSize) {
  const void* nul = std::memchr(field, '\0', fieldSize);
  return {field, nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : fieldSize};
}

int ClampColumnCount(int count) { return std::clamp(count, kMinColumns, kMaxColumns); }

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

PrintLayout ReadPrintLayout(const Profile& p) {
  PrintLayout l;
  l.fontName = p.GetString("Layout", "FontName", DefaultFontName());
  l.fontSize = p.GetInt("Layout", "FontSize", 50);
  l.top = p.GetInt("Layout", "Top", 0);
  l.left = p.GetInt("Layout", "Left", 0);
  l.bottom = p.GetInt("Layout", "Bottom", 0);
  l.right = p.GetInt("Layout", "Right", 0);
  l.header = p.GetInt("Layout", "bHead", 1) != 0;
  l.headerText = p.GetString("Layout", "Header", "%F %A");
  l.headerPos = p.GetInt("Layout", "hPos", 1);
  l.footer = p.GetInt("Layout", "bFoot", 1) != 0;
  l.footerText = p.GetString("Layout", "Footer", "%Y/%M/%D %P / %T");
  l.footerPos = p.GetInt("Layout", "fPos", 1);
  return l;
}

std::uint32_t ReadAttributeSkipMask(const Profile& p) {
  std::uint32_t mask = 0;
  if (p.GetInt("Attribute", "read", 1) == 0) mask |= kAttrReadOnly;
  if (p.GetInt("Attribute", "sys", 0) == 0) mask |= kAttrSystem;
  if (p.GetInt("Attribute", "hide", 0) == 0) mask |= kAttrHidden;
  return mask;
}

void NormaliseShownColumns(ColumnDescriptors& columns) {
  const int count = ClampColumnCount(columns.count);
  columns.count = static_cast<std::uint16_t>(count);
  SetFixedText(columns.names[0], "");
  columns.widths[0] = 30;
  columns.formats[0] = kFormatRight | kFormatImage;
  const std::int32_t image = columns.headerIcons != 0 ? kFormatImage : 0;
  for (int i = 1; i < count; ++i) columns.formats[i] = (columns.formats[i] & kFormatRight) | image;
  columns.headerIcons = (columns.formats[1] & kFormatImage) != 0 ? 1 : 0;
}

}  // namespace listora
