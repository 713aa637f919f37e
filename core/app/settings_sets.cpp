#include "core/app/settings_sets.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "core/base/settings_file.h"
#include "core/doc/columns.h"

namespace listora {

namespace {

std::string N(std::int64_t v) { return std::to_string(v); }

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

// What a new document would be given, as the dialog shows it: one reader
// of the keys, the document's.
SettingsSet ReadDefaultSet(const SettingsFile& p) {
  DocumentSettings fresh;
  ResetDocumentSettings(p, fresh);
  return DocumentSet(fresh);
}

StartupSettings ReadStartupSettings(const SettingsFile& p) {
  StartupSettings s;
  const std::int32_t mode = p.GetInt("Main", "SizeMax", 0);
  s.mode = mode >= 0 && mode <= 2 ? mode : 0;
  s.left = p.GetInt("Main", "SizeLeft", 0);
  s.top = p.GetInt("Main", "SizeTop", 0);
  s.width = p.GetInt("Main", "SizeWidth", 800);
  s.height = p.GetInt("Main", "SizeHeight", 600);
  return s;
}

ProtectionSettings ReadProtectionSettings(const SettingsFile& p) {
  return {p.GetInt("Main", "Pass", 0) != 0, p.GetInt("Main", "Ango", 0) != 0};
}

StartBars ReadStartBars(const SettingsFile& p) {
  return {p.GetInt("Main", "MainTool", 1) != 0, p.GetInt("Main", "MainStat", 1) != 0,
          p.GetInt("Main", "TreeTool", 1) != 0};
}

bool WriteDefaults(SettingsFile& p, const SettingsSet& s, const StartupSettings& startup,
                   const ProtectionSettings& protection) {
  std::vector<SettingsFileEntry> main = {
      {"SizeMax", N(startup.mode)},     {"MainTool", N(s.mainToolBar)},
      {"MainStat", N(s.statusBar)},     {"TreeTool", N(s.treeToolBar)},
      {"Pass", N(protection.password)}, {"Ango", N(protection.encrypt)}};
  if (startup.mode == 2) {
    main.push_back({"SizeLeft", N(startup.left)});
    main.push_back({"SizeTop", N(startup.top)});
    main.push_back({"SizeWidth", N(startup.width)});
    main.push_back({"SizeHeight", N(startup.height)});
  }
  DocumentSettings document{};
  ApplyDocumentSet(s, document);
  bool ok = p.WriteSection("Main", main);
  ok = WriteDocumentDefaults(p, document) && ok;
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
