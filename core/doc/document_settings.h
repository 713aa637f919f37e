#pragma once
// The document's settings: five fixed-layout blocks that every document
// file stores byte for byte. The structs below are those byte images
// (little-endian, no padding beyond what the layout itself has). A new
// document takes them from the settings file.

#include <bit>
#include <cstddef>
#include <cstdint>

#include "core/text/fixed_text.h"

namespace listora {

class SettingsFile;

static_assert(std::endian::native == std::endian::little,
              "the settings blocks are stored as little-endian byte images");

inline constexpr int kMaxColumns = 11;  // column 0 (icons) and ten user columns
inline constexpr int kMinColumns = 2;
inline constexpr int kColumnNameSize = 100;  // 99 bytes of text and a NUL
inline constexpr std::int32_t kFormatRight = 0x0001;
inline constexpr std::int32_t kFormatImage = 0x0800;

// Block 1: which panes are shown and where the splitters sit.
struct PaneLayout {
  std::uint8_t showList;
  std::uint8_t showTree;
  std::uint8_t showText;
  std::uint8_t showImage;
  std::int32_t split1;  // hundredths of a percent
  std::int32_t split2;
  std::int32_t split3;
};
static_assert(sizeof(PaneLayout) == 16);

struct StoredPaneStyle {
  std::uint32_t background;  // COLORREF 0x00BBGGRR
  std::uint32_t text;
  std::int16_t fontSize;  // tenths of a point
  char fontName[50];
};
static_assert(sizeof(StoredPaneStyle) == 60 && offsetof(StoredPaneStyle, fontName) == 10);

// Block 2: list, tree, text and image pane styles, in that order.
struct PaneStyles {
  enum Pane { kList = 0, kTree = 1, kText = 2, kImage = 3 };
  StoredPaneStyle pane[4];
};
static_assert(sizeof(PaneStyles) == 240);

// Block 3: the column descriptor table.
struct ColumnDescriptors {
  std::int32_t widths[kMaxColumns];
  std::int32_t formats[kMaxColumns];
  char names[kMaxColumns][kColumnNameSize];
  std::uint16_t count;        // C, column 0 included
  std::uint16_t headerIcons;  // non-zero: headers show their images
};
static_assert(sizeof(ColumnDescriptors) == 1192 && offsetof(ColumnDescriptors, names) == 88 &&
              offsetof(ColumnDescriptors, count) == 1188);

// Block 4: automatic insertion.
struct AutoInsertSettings {
  char folder[260];
  char pattern[50];
  std::uint8_t subFolders;
  std::uint8_t kinds[kMaxColumns];    // index 0 unused
  char fixedTexts[kMaxColumns][100];  // index 0 unused
  char serialText[102];
  std::int32_t serialStart;
  std::int32_t serialDigits;
  std::uint8_t patternWasEmpty;
  std::uint8_t lastColumn;  // 1-based
  std::uint8_t padding[2];
};
static_assert(sizeof(AutoInsertSettings) == 1536 && offsetof(AutoInsertSettings, kinds) == 311 &&
              offsetof(AutoInsertSettings, fixedTexts) == 322 &&
              offsetof(AutoInsertSettings, serialText) == 1422 &&
              offsetof(AutoInsertSettings, serialStart) == 1524 &&
              offsetof(AutoInsertSettings, patternWasEmpty) == 1532);

// Block 5: display and image options.
struct DisplayOptions {
  std::uint8_t treeIcons;
  std::uint8_t imageFit;  // 0 actual size, 1 fit to the pane
  std::uint8_t mainToolBar;
  std::uint8_t statusBar;
  std::uint8_t treeToolBar;
  std::uint8_t imagePathMode;  // 0 full, 1 relative to the document, 2 to the program
  char imageSubPath[102];
  std::int32_t copyImages;
};
static_assert(sizeof(DisplayOptions) == 112 && offsetof(DisplayOptions, copyImages) == 108);

// The per-document half, reset for every new document and stored in every
// document file.
struct DocumentSettings {
  PaneLayout layout;
  PaneStyles styles;
  ColumnDescriptors columns;
  AutoInsertSettings autoInsert;
  DisplayOptions display;
};

// The settings file's sections that a new document's settings come from
// (View, List, Tree, Text, Prev, Other, Column, Image and Auto): their keys
// and defaults live in the reader and writers below, and nowhere else.

// New-document reset: zeroes every block and reads each field from the
// settings file with its default.
void ResetDocumentSettings(const SettingsFile& settingsFile, DocumentSettings& settings);

// Writes the default set the settings dialog edits, from `settings`: the
// panes shown and split positions (View), the panes' colours and fonts
// (List, Tree, Text; the image pane's background in Prev), Other, Column
// and Image. False when the file could not be written.
bool WriteDocumentDefaults(SettingsFile& settingsFile, const DocumentSettings& settings);

// "取り込み" and "デフォルトの設定にする": section "Auto" of the settings file
// (folder, extension text, serial settings, sub-folders, current column and
// the ten kinds; never the input texts). False when the file could not be
// written.
bool WriteAutoInsertDefaults(SettingsFile& settingsFile, const AutoInsertSettings& settings);

}  // namespace listora
