#pragma once
// The document's settings as the settings dialog shows and edits them. Most
// pages exist twice: the default set lives in the settings file
// (core/app/settings_sets.h), the document set in the open document's
// settings record, copied here between the set and the record.

#include <cstdint>
#include <string>

#include "core/doc/document_settings.h"

namespace listora {

struct PaneStyle {
  std::uint32_t background = 0;  // COLORREF 0x00BBGGRR
  std::uint32_t text = 0;
  std::int32_t fontSize = 90;  // tenths of a point
  std::string fontName;        // CP932
};

struct SettingsSet {
  PaneStyle list, tree, text;
  std::int32_t userColumns = 4;  // 1..10, the list page's "列数"
  std::uint32_t imageBackground = 0;
  std::int32_t imageFit = 1;  // 0 actual size, 1 fit to the pane
  bool mainToolBar = true, statusBar = true, treeToolBar = true;
  bool columnIcons = true, treeIcons = true;
  bool showList = true, showTree = true, showText = true, showImage = true;
  std::int32_t split1 = 7000, split2 = 7000, split3 = 6000;  // hundredths of a percent
  std::int32_t imagePathMode = 0;
  std::string imageSubPath;  // CP932
  bool copyImages = true;
};

// The document set of a settings record, and its copy back into one. The
// pane visibility and split positions come from the screen, so the caller
// fills them in.
SettingsSet DocumentSet(const DocumentSettings& settings);
void ApplyDocumentSet(const SettingsSet& set, DocumentSettings& settings);

}  // namespace listora
