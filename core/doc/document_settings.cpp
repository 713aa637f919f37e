#include "core/doc/document_settings.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "core/base/default_font.h"
#include "core/base/settings_file.h"
#include "core/doc/columns.h"

namespace listora {
namespace {

std::uint8_t ReadFlag(const SettingsFile& p, std::string_view section, std::string_view key,
                      int def) {
  return p.GetInt(section, key, def) != 0 ? 1 : 0;
}

// Values that pick one of a few choices: anything outside the choices (a
// hand edit) reads as the default, so no consumer indexes past its list.
std::uint8_t ReadChoice(const SettingsFile& p, std::string_view section, std::string_view key,
                        int def, int first, int last) {
  const std::int32_t v = p.GetInt(section, key, def);
  return static_cast<std::uint8_t>(v >= first && v <= last ? v : def);
}

void ReadFixedText(const SettingsFile& p, std::string_view section, std::string_view key,
                   std::string_view def, char* field, std::size_t fieldSize) {
  SetFixedText(field, fieldSize, p.GetString(section, key, def));
}

void ReadViewStyle(const SettingsFile& p, std::string_view section, ViewStyle& style) {
  style.background = static_cast<std::uint32_t>(p.GetInt(section, "BKCOLOR", 0));
  style.text = static_cast<std::uint32_t>(p.GetInt(section, "TXCOLOR", 0x00FF00));
  style.fontSize = static_cast<std::int16_t>(std::clamp<std::int32_t>(
      p.GetInt(section, "FontSize", 90), std::numeric_limits<std::int16_t>::min(),
      std::numeric_limits<std::int16_t>::max()));
  ReadFixedText(p, section, "FontName", DefaultFontName(), style.fontName, sizeof style.fontName);
}

constexpr int kFieldKindCount = 11;  // "フォルダ名" .. "連番"

std::string N(std::int64_t v) { return std::to_string(v); }

bool WriteViewStyle(SettingsFile& p, std::string_view section, const ViewStyle& style) {
  const SettingsFileEntry entries[] = {{"BKCOLOR", N(style.background)},
                                       {"TXCOLOR", N(style.text)},
                                       {"FontSize", N(style.fontSize)},
                                       {"FontName", std::string(FixedText(style.fontName))}};
  return p.WriteSection(section, entries);
}

}  // namespace

void ResetDocumentSettings(const SettingsFile& p, DocumentSettings& s) {
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
  d.copyImages = ReadFlag(p, "Image", "Copy", 1);
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

bool WriteDocumentDefaults(SettingsFile& p, const DocumentSettings& s) {
  const ViewLayout& l = s.layout;
  const DisplayOptions& d = s.display;
  const SettingsFileEntry view[] = {{"List", N(l.showList)}, {"Tree", N(l.showTree)},
                                    {"Text", N(l.showText)}, {"Prev", N(l.showImage)},
                                    {"Split1", N(l.split1)}, {"Split2", N(l.split2)},
                                    {"Split3", N(l.split3)}};
  const SettingsFileEntry prev[] = {{"BKCOLOR", N(s.styles.pane[ViewStyles::kImage].background)}};
  const SettingsFileEntry other[] = {{"Position", N(d.imageFit)},
                                     {"ICON", N(d.treeIcons)},
                                     {"MainTool", N(d.mainToolBar)},
                                     {"Status", N(d.statusBar)},
                                     {"TreeTool", N(d.treeToolBar)}};
  const SettingsFileEntry column[] = {{"Count", N(ClampColumnCount(s.columns.count))},
                                      {"ICON", N(s.columns.headerIcons)}};
  const SettingsFileEntry image[] = {{"Radio", N(d.imagePathMode)},
                                     {"Copy", N(d.copyImages)},
                                     {"Edit", std::string(FixedText(d.imageSubPath))}};
  bool ok = p.WriteSection("View", view);
  ok = WriteViewStyle(p, "List", s.styles.pane[ViewStyles::kList]) && ok;
  ok = WriteViewStyle(p, "Tree", s.styles.pane[ViewStyles::kTree]) && ok;
  ok = WriteViewStyle(p, "Text", s.styles.pane[ViewStyles::kText]) && ok;
  ok = p.WriteSection("Prev", prev) && ok;
  ok = p.WriteSection("Other", other) && ok;
  ok = p.WriteSection("Column", column) && ok;
  ok = p.WriteSection("Image", image) && ok;
  return ok;
}

bool WriteAutoInsertDefaults(SettingsFile& profile, const AutoInsertSettings& settings) {
  bool ok = profile.WriteString("Auto", "FolName", FixedText(settings.folder));
  ok &= profile.WriteString("Auto", "Kaku", FixedText(settings.pattern));
  ok &= profile.WriteString("Auto", "RenTxt", FixedText(settings.serialText));
  ok &= profile.WriteInt("Auto", "RenStart", settings.serialStart);
  ok &= profile.WriteInt("Auto", "RenKeta", settings.serialDigits);
  ok &= profile.WriteInt("Auto", "Sub", settings.subFolders);
  ok &= profile.WriteInt("Auto", "Sel", settings.lastColumn);
  for (int n = 1; n < kMaxColumns; ++n) {
    char key[16];
    std::snprintf(key, sizeof key, "No.%d", n);
    ok &= profile.WriteInt("Auto", key, settings.kinds[n]);
  }
  return ok;
}

}  // namespace listora
