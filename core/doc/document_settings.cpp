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

void ReadPaneStyle(const SettingsFile& p, std::string_view section, StoredPaneStyle& style) {
  style.background = static_cast<std::uint32_t>(p.GetInt(section, "BKCOLOR", 0));
  style.text = static_cast<std::uint32_t>(p.GetInt(section, "TXCOLOR", 0x00FF00));
  style.fontSize = static_cast<std::int16_t>(std::clamp<std::int32_t>(
      p.GetInt(section, "FontSize", 90), std::numeric_limits<std::int16_t>::min(),
      std::numeric_limits<std::int16_t>::max()));
  ReadFixedText(p, section, "FontName", DefaultFontName(), style.fontName, sizeof style.fontName);
}

constexpr int kFieldKindCount = 11;  // "フォルダ名" .. "連番"

std::string N(std::int64_t v) { return std::to_string(v); }

bool WritePaneStyle(SettingsFile& p, std::string_view section, const StoredPaneStyle& style) {
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

  ReadPaneStyle(p, "List", s.styles.pane[PaneStyles::kList]);
  ReadPaneStyle(p, "Tree", s.styles.pane[PaneStyles::kTree]);
  ReadPaneStyle(p, "Text", s.styles.pane[PaneStyles::kText]);
  ReadPaneStyle(p, "Prev", s.styles.pane[PaneStyles::kImage]);

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
  const PaneLayout& l = s.layout;
  const DisplayOptions& d = s.display;
  const SettingsFileEntry view[] = {{"List", N(l.showList)}, {"Tree", N(l.showTree)},
                                    {"Text", N(l.showText)}, {"Prev", N(l.showImage)},
                                    {"Split1", N(l.split1)}, {"Split2", N(l.split2)},
                                    {"Split3", N(l.split3)}};
  const SettingsFileEntry prev[] = {{"BKCOLOR", N(s.styles.pane[PaneStyles::kImage].background)}};
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
  ok = WritePaneStyle(p, "List", s.styles.pane[PaneStyles::kList]) && ok;
  ok = WritePaneStyle(p, "Tree", s.styles.pane[PaneStyles::kTree]) && ok;
  ok = WritePaneStyle(p, "Text", s.styles.pane[PaneStyles::kText]) && ok;
  ok = p.WriteSection("Prev", prev) && ok;
  ok = p.WriteSection("Other", other) && ok;
  ok = p.WriteSection("Column", column) && ok;
  ok = p.WriteSection("Image", image) && ok;
  return ok;
}

bool WriteAutoInsertDefaults(SettingsFile& settingsFile, const AutoInsertSettings& settings) {
  bool ok = settingsFile.WriteString("Auto", "FolName", FixedText(settings.folder));
  ok &= settingsFile.WriteString("Auto", "Kaku", FixedText(settings.pattern));
  ok &= settingsFile.WriteString("Auto", "RenTxt", FixedText(settings.serialText));
  ok &= settingsFile.WriteInt("Auto", "RenStart", settings.serialStart);
  ok &= settingsFile.WriteInt("Auto", "RenKeta", settings.serialDigits);
  ok &= settingsFile.WriteInt("Auto", "Sub", settings.subFolders);
  ok &= settingsFile.WriteInt("Auto", "Sel", settings.lastColumn);
  for (int n = 1; n < kMaxColumns; ++n) {
    char key[16];
    std::snprintf(key, sizeof key, "No.%d", n);
    ok &= settingsFile.WriteInt("Auto", key, settings.kinds[n]);
  }
  return ok;
}

}  // namespace listora
