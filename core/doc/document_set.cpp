#include "core/doc/document_set.h"

#include <algorithm>
#include <limits>

#include "core/doc/columns.h"

namespace listora {

namespace {

PaneStyle FromStoredStyle(const StoredPaneStyle& v) {
  return {v.background, v.text, v.fontSize, std::string(FixedText(v.fontName))};
}

void ToStoredStyle(const PaneStyle& s, StoredPaneStyle& v) {
  v.background = s.background;
  v.text = s.text;
  v.fontSize = static_cast<std::int16_t>(
      std::clamp<std::int32_t>(s.fontSize, 1, std::numeric_limits<std::int16_t>::max()));
  SetFixedText(v.fontName, s.fontName);
}

std::int32_t ClampUserColumns(std::int32_t n) { return std::clamp(n, 1, kMaxColumns - 1); }

}  // namespace

SettingsSet DocumentSet(const DocumentSettings& d) {
  SettingsSet s;
  s.list = FromStoredStyle(d.styles.pane[PaneStyles::kList]);
  s.tree = FromStoredStyle(d.styles.pane[PaneStyles::kTree]);
  s.text = FromStoredStyle(d.styles.pane[PaneStyles::kText]);
  s.userColumns = ClampUserColumns(ClampColumnCount(d.columns.count) - 1);
  s.imageBackground = d.styles.pane[PaneStyles::kImage].background;
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
  ToStoredStyle(s.list, d.styles.pane[PaneStyles::kList]);
  ToStoredStyle(s.tree, d.styles.pane[PaneStyles::kTree]);
  ToStoredStyle(s.text, d.styles.pane[PaneStyles::kText]);
  d.styles.pane[PaneStyles::kImage].background = s.imageBackground;
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

}  // namespace listora
