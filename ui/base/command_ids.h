#pragma once
// Every command and shared control ID of the desktop program, in one place.
//
// The program's own commands are known by their command numbers (32772
// "リストビュー(&L)" and so on); those numbers are written below. wx menu
// IDs must stay below 0x7FFF, so each number is moved down by a fixed offset
// into the free range above wxID_HIGHEST: 327xx/328xx become 67xx/68xx,
// 576xx/593xx become 76xx/93xx.
//
// The framework's commands (new, open, save, print, exit, clipboard, help,
// about, the recent-file list) are wx stock IDs instead of their command
// numbers 576xx: wxDocManager and the native controls handle them only under
// those IDs. The command number of each is given beside it.
//
// Control IDs inside dialogs (1002, 1133, ...) are local to their dialog and
// lie below wxID_LOWEST; the dialogs define them.

#include <wx/defs.h>

namespace listora::cmd {

// Framework commands.
inline constexpr int kNew = wxID_NEW;                 // 57600
inline constexpr int kOpen = wxID_OPEN;               // 57601
inline constexpr int kSave = wxID_SAVE;               // 57603
inline constexpr int kSaveAs = wxID_SAVEAS;           // 57604
inline constexpr int kPrintSetup = wxID_PRINT_SETUP;  // 57606
inline constexpr int kPrint = wxID_PRINT;             // 57607
inline constexpr int kPrintPreview = wxID_PREVIEW;    // 57609
inline constexpr int kRecentFile1 = wxID_FILE1;       // 57616 and the following four
inline constexpr int kCopy = wxID_COPY;               // 57634
inline constexpr int kCut = wxID_CUT;                 // 57635
inline constexpr int kPaste = wxID_PASTE;             // 57637
inline constexpr int kUndo = wxID_UNDO;               // 57643
inline constexpr int kRedo = wxID_REDO;               // 57644
inline constexpr int kAbout = wxID_ABOUT;             // 57664
inline constexpr int kExit = wxID_EXIT;               // 57665
inline constexpr int kHelp = wxID_HELP;               // 57670

// The wx ID of a resource number.
constexpr int FromResourceId(int number) {
  return number < 40000 ? number - 26000 : number - 50000;
}

// The program's own commands and tool-bar controls.
enum : int {
  kListView = FromResourceId(32772),
  kTreeView = FromResourceId(32773),
  kTextView = FromResourceId(32774),
  kImageView = FromResourceId(32775),
  kTreeToolBar = FromResourceId(32776),
  kImageActualSize = FromResourceId(32777),
  kImageFit = FromResourceId(32778),
  kImageEdit = FromResourceId(32784),
  kImageInfo = FromResourceId(32785),
  kImageChange = FromResourceId(32786),
  kTotalCountLabel = FromResourceId(32787),
  kSelectedCountLabel = FromResourceId(32788),
  kSearchBox = FromResourceId(32789),
  kTreeGroup1 = FromResourceId(32790),  // to kTreeGroup4: group the tree by column 1..4
  kTreeGroup4 = FromResourceId(32793),
  kTreeParentLabel = FromResourceId(32794),
  kTreeExpandBelow = FromResourceId(32795),
  kTreeCollapseBelow = FromResourceId(32796),
  kTreeSearchInList = FromResourceId(32797),
  kTreeClear = FromResourceId(32798),
  kTreeExpandAll = FromResourceId(32799),
  kTreeCollapseAll = FromResourceId(32800),
  kSearch = FromResourceId(32801),
  kAddItem = FromResourceId(32802),
  kModifyItem = FromResourceId(32803),
  kAutoInsert = FromResourceId(32804),
  kAddColumn = FromResourceId(32805),
  kAssociateImage = FromResourceId(32806),
  kColumnSettings = FromResourceId(32807),
  kCopyAllFields = FromResourceId(32808),
  kCopyColumn1 = FromResourceId(32809),  // to kCopyColumn10: copy column k = ID - 32808
  kCopyColumn10 = FromResourceId(32818),
  kPasteAllFields = FromResourceId(32819),
  kPasteColumn1 = FromResourceId(32820),  // to kPasteColumn10: paste into column k = ID - 32819
  kPasteColumn10 = FromResourceId(32829),
  kSelectAll = FromResourceId(32830),
  kInvertSelection = FromResourceId(32831),
  kDeleteSelected = FromResourceId(32832),
  kDeleteColumn = FromResourceId(32833),
  kDuplicateSearch = FromResourceId(32834),
  kSettings = FromResourceId(32835),
  kFindReplace = FromResourceId(32836),
  kAppendOpen = FromResourceId(32837),
  kPrintLayout = FromResourceId(32838),
  kExportText = FromResourceId(32841),
  kExportHtml = FromResourceId(32842),
  kLayoutCode1 = FromResourceId(32843),  // to kLayoutCode8: header/footer codes of the print layout
  kLayoutCode8 = FromResourceId(32850),
  kExportCsv = FromResourceId(32852),
  kUpdateCheck = FromResourceId(32853),
  kTreeCopy = FromResourceId(32858),
  kMoveLast = FromResourceId(32859),
  kMoveFirst = FromResourceId(32860),
  kMoveMiddle = FromResourceId(32861),
  kImport = FromResourceId(32862),
  kExportXlsx = FromResourceId(32863),
  kNextPane = FromResourceId(57680),
  kPreviousPane = FromResourceId(57681),
  kToggleToolBar = FromResourceId(59392),
  kToggleStatusBar = FromResourceId(59393),
};

static_assert(int{kListView} > int{wxID_HIGHEST} && int{kToggleStatusBar} < 0x7FFF &&
                  int{kImport} < int{kNextPane},
              "the program's IDs lie between wx's stock IDs and the menu ID limit, apart");
static_assert(kPasteColumn10 - kPasteColumn1 == 9 && kCopyColumn10 - kCopyColumn1 == 9);

}  // namespace listora::cmd
