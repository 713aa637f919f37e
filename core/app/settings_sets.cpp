#include "core/app/settings_sets.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "core/base/default_font.h"
#include "core/base/profile.h"
#include "core/doc/columns.h"

namespace listora {

namespace {

std::string N(std::int64_t v) { return std::to_string(v); }

PaneStyle ReadPaneStyle(const Profile& p, std::string_view section) {
  PaneStyle s;
  s.background = static_cast<std::uint32_t>(p.GetInt(section, "BKCOLOR", 0));
  s.text = static_cast<std::uint32_t>(p.GetInt(section, "TXCOLOR", 0x00FF00));
  s.fontSize = p.GetInt(section, "FontSize", 90);
  s.fontName = p.GetString(section, "FontName", DefaultFontName());
  return s;
}

bool WritePaneStyle(Profile& p, std::string_view section, const PaneStyle& s) {
  const ProfileEntry entries[] = {{"BKCOLOR", N(s.background)},
                                  {"TXCOLOR", N(s.text)},
                                  {"FontSize", N(s.fontSize)},
                                  {"FontName", s.fontName}};
  return p.WriteSection(section, entries);
}

PaneStyle FromViewStyle(const ViewStyle& v) {
  return {v.background, v.text, v.fontSize, std::string(FixedText(v.fontName))};
}

void ToViewStyle(const PaneStyle& s, ViewStyle& v) {
  v.background = s.background;
  v.text = s.text;
  v.fontSize = static_cast<std::int16_t>(
      std::clamp<std::int32_t>(s.fontSize, 1, std::numeric_limits<std::int16_t>::max()));
  SetFixedText(v.fontName, s.fontName);
}

std::int32_t ClampUserColumns(std::int32_t n) { return std::clamp(n, 1, kMaxColumns - 1); }

}  // namespace

SettingsSet ReadDefaultSet(const Profile& p) {
  SettingsSet s;
  s.list = ReadPaneStyle(p, "List");
  s.tree = ReadPaneStyle(p, "Tree");
  s.text = ReadPaneStyle(p, "Text");
  s.userColumns = ClampUserColumns(p.GetInt("Column", "Count", 5) - 1);
  s.imageBackground = static_cast<std::uint32_t>(p.GetInt("Prev", "BKCOLOR", 0));
  s.imageFit = p.GetInt("Other", "Position", 1) == 0 ? 0 : 1;
  s.mainToolBar = p.GetInt("Other", "MainTool", 1) != 0;
  s.statusBar = p.GetInt("Other", "Status", 1) != 0;
  s.treeToolBar = p.GetInt("Other", "TreeTool", 1) != 0;
  s.columnIcons = p.GetInt("Column", "ICON", 1) != 0;
  s.treeIcons = p.GetInt("Other", "ICON", 1) != 0;
  s.showList = p.GetInt("View", "List", 1) != 0;
  s.showTree = p.GetInt("View", "Tree", 1) != 0;
  s.showText = p.GetInt("View", "Text", 1) != 0;
  s.showImage = p.GetInt("View", "Prev", 1) != 0;
  s.split1 = p.GetInt("View", "Split1", 7000);
  s.split2 = p.GetInt("View", "Split2", 7000);
  s.split3 = p.GetInt("View", "Split3", 6000);
  const std::int32_t mode = p.GetInt("Image", "Radio", 0);
  s.imagePathMode = mode >= 0 && mode <= 2 ? mode : 0;
  s.imageSubPath = p.GetString("Image", "Edit", "img\\");
  s.copyImages = p.GetInt("Image", "Copy", 1) != 0;
  return s;
}

StartupSettings ReadStartupSettings(const Profile& p) {
  StartupSettings s;
  const std::int32_t mode = p.GetInt("Main", "SizeMax", 0);
  s.mode = mode >= 0 && mode <= 2 ? mode : 0;
  s.left = p.GetInt("Main", "SizeLeft", 0);
  s.top = p.GetInt("Main", "SizeTop", 0);
  s.width = p.GetInt("Main", "SizeWidth", 800);
  s.height = p.GetInt("Main", "SizeHeight", 600);
  return s;
}

ProtectionSettings ReadProtectionSettings(const Profile& p) {
  return {p.GetInt("Main", "Pass", 0) != 0, p.GetInt("Main", "Ango", 0) != 0};
}

StartBars ReadStartBars(const Profile& p) {
  return {p.GetInt("Main", "MainTool", 1) != 0, p.GetInt("Main", "MainStat", 1) != 0,
          p.GetInt("Main", "TreeTool", 1) != 0};
}

bool WriteDefaults(Profile& p, const SettingsSet& s, const StartupSettings& startup,
                   const ProtectionSettings& protection) {
  std::vector<ProfileEntry> main = {
      {"SizeMax", N(startup.mode)},     {"MainTool", N(s.mainToolBar)},
      {"MainStat", N(s.statusBar)},     {"TreeTool", N(s.treeToolBar)},
      {"Pass", N(protection.password)}, {"Ango", N(protection.encrypt)}};
  if (startup.mode == 2) {
    main.push_back({"SizeLeft", N(startup.left)});
    main.push_back({"SizeTop", N(startup.top)});
    main.push_back({"SizeWidth", N(startup.width)});
    main.push_back({"SizeHeight", N(startup.height)});
  }
  const ProfileEntry view[] = {{"List", N(s.showList)}, {"Tree", N(s.showTree)},
                               {"Text", N(s.showText)}, {"Prev", N(s.showImage)},
                               {"Split1", N(s.split1)}, {"Split2", N(s.split2)},
                               {"Split3", N(s.split3)}};
  const ProfileEntry other[] = {{"Position", N(s.imageFit)},
                                {"ICON", N(s.treeIcons)},
                                {"MainTool", N(s.mainToolBar)},
                                {"Status", N(s.statusBar)},
                                {"TreeTool", N(s.treeToolBar)}};
  const ProfileEntry column[] = {{"Count", N(ClampUserColumns(s.userColumns) + 1)},
                                 {"ICON", N(s.columnIcons)}};
  const ProfileEntry image[] = {
      {"Radio", N(s.imagePathMode)}, {"Copy", N(s.copyImages)}, {"Edit", s.imageSubPath}};
  const ProfileEntry prev[] = {{"BKCOLOR", N(s.imageBackground)}};
  bool ok = p.WriteSection("Main", main);
  ok = p.WriteSection("View", view) && ok;
  ok = WritePaneStyle(p, "List", s.list) && ok;
  ok = WritePaneStyle(p, "Tree", s.tree) && ok;
  ok = WritePaneStyle(p, "Text", s.text) && ok;
  ok = p.WriteSection("Prev", prev) && ok;
  ok = p.WriteSection("Other", other) && ok;
  ok = p.WriteSection("Column", column) && ok;
  ok = p.WriteSection("Image", image) && ok;
  return ok;
}

SettingsSet DocumentSet(const DocumentSettings& d) {
  SettingsSet s;
  s.list = FromViewStyle(d.styles.pane[ViewStyles::kList]);
  s.tree = FromViewStyle(d.styles.pane[ViewStyles::kTree]);
  s.text = FromViewStyle(d.styles.pane[ViewStyles::kText]);
  s.userColumns = ClampUserColumns(ClampColumnCount(d.columns.count) - 1);
  s.imageBackground = d.styles.pane[ViewStyles::kImage].background;
  s.imageFit = d.display.imageFit != 0 ? 1 : 0;
  s.mainToolBar = d.display.mainToolBar != 0;
  s.statusBar = d.display.statusBar != 0;
  s.treeToolBar = d.display.treeToolBar != 0;
  s.columnIcons = d.columns.headerIcons != 0;
  s.treeIcons = d.display.treeIcons != 0;
  s.showList = d.layout.showList != 0;
  s.showTree = d.layout.showTree != 0;
  s.showText = d.layout.showText != 0;
  s.showImage = d.layout.showImage != 0;
  s.split1 = d.layout.split1;
  s.split2 = d.layout.split2;
  s.split3 = d.layout.split3;
  s.imagePathMode = d.display.imagePathMode <= 2 ? d.display.imagePathMode : 0;
  s.imageSubPath = std::string(FixedText(d.display.imageSubPath));
  s.copyImages = d.display.copyImages != 0;
  return s;
}

void ApplyDocumentSet(const SettingsSet& s, DocumentSettings& d) {
  d.layout.showList = s.showList;
  d.layout.showTree = s.showTree;
  d.layout.showText = s.showText;
  d.layout.showImage = s.showImage;
  d.layout.split1 = s.split1;
  d.layout.split2 = s.split2;
  d.layout.split3 = s.split3;
  ToViewStyle(s.list, d.styles.pane[ViewStyles::kList]);
  ToViewStyle(s.tree, d.styles.pane[ViewStyles::kTree]);
  ToViewStyle(s.text, d.styles.pane[ViewStyles::kText]);
  d.styles.pane[ViewStyles::kImage].background = s.imageBackground;
  d.display.imageFit = static_cast<std::uint8_t>(s.imageFit != 0);
  d.display.mainToolBar = s.mainToolBar;
  d.display.statusBar = s.statusBar;
  d.display.treeToolBar = s.treeToolBar;
  d.display.treeIcons = s.treeIcons;
  d.columns.headerIcons = s.columnIcons;
  d.columns.count = static_cast<std::uint16_t>(ClampUserColumns(s.userColumns) + 1);
  d.display.imagePathMode = static_cast<std::uint8_t>(std::clamp(s.imagePathMode, 0, 2));
  SetFixedText(d.display.imageSubPath, s.imageSubPath);
  d.display.copyImages = s.copyImages;
}

ProtectionSettings AfterProtectionClick(ProtectionSettings clicked) {
  if (clicked.password) clicked.encrypt = true;
  return clicked;
}

}  // namespace listora
