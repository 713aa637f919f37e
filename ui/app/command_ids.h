#pragma once
// Every command and shared control ID of the desktop program, in one place.
//
// The program's own commands keep the numbers they have always had (menus,
// tool bars, string table and help texts are keyed by them). They all lie
// above wxID_HIGHEST, so they never collide with wx's stock IDs.
//
// The framework's commands (new, open, save, print, exit, clipboard, help,
// about, the recent-file list) are wx stock IDs instead of their old numbers
// 576xx: wxDocManager and the native controls handle them only under those
// IDs. The old number of each is given beside it.
//
// Control IDs inside dialogs (1002, 1133, ...) are local to their dialog and
// lie below wxID_LOWEST; the dialogs define them.

#include <wx/defs.h>

namespace listora::cmd {

// Framework commands.
inline constexpr int kNew = wxID_NEW;                // 57600
inline constexpr int kOpen = wxID_OPEN;              // 57601
inline constexpr int kSave = wxID_SAVE;              // 57603
inline constexpr int kSaveAs = wxID_SAVEAS;          // 57604
inline constexpr int kPrintSetup = wxID_PRINT_SETUP;  // 57606
inline constexpr int kPrint = wxID_PRINT;            // 57607
inline constexpr int kPrintPreview = wxID_PREVIEW;   // 57609
inline constexpr int kRecentFile1 = wxID_FILE1;      // 57616 and the following four
inline constexpr int kCopy = wxID_COPY;              // 57634
inline constexpr int kCut = wxID_CUT;                // 57635
inline constexpr int kPaste = wxID_PASTE;            // 57637
inline constexpr int kUndo = wxID_UNDO;              // 57643
inline constexpr int kAbout = wxID_ABOUT;            // 57664
inline constexpr int kExit = wxID_EXIT;              // 57665
inline constexpr int kHelp = wxID_HELP;              // 57670

// The program's own commands and tool-bar controls.
enum : int {
  kListView = 32772,
  kTreeView = 32773,
  kTextView = 32774,
  kImageView = 32775,
  kTreeToolBar = 32776,
  kImageActualSize = 32777,
  kImageFit = 32778,
  kImageEdit = 32784,
  kImageInfo = 32785,
  kImageChange = 32786,
  kTotalCountLabel = 32787,
  kSelectedCountLabel = 32788,
  kSearchBox = 32789,
  kTreeGroup1 = 32790,  // to kTreeGroup4: group the tree by column 1..4
  kTreeGroup4 = 32793,
  kTreeParentLabel = 32794,
  kTreeExpandBelow = 32795,
  kTreeCollapseBelow = 32796,
  kTreeSearchInList = 32797,
  kTreeClear = 32798,
  kTreeExpandAll = 32799,
  kTreeCollapseAll = 32800,
  kSearch = 32801,
  kAddItem = 32802,
  kModifyItem = 32803,
  kAutoInsert = 32804,
  kAddColumn = 32805,
  kAssociateImage = 32806,
  kColumnSettings = 32807,
  kCopyAllFields = 32808,
  kCopyColumn1 = 32809,  // to kCopyColumn10: copy column k = ID - 32808
  kCopyColumn10 = 32818,
  kPasteAllFields = 32819,
  kPasteColumn1 = 32820,  // to kPasteColumn10: paste into column k = ID - 32819
  kPasteColumn10 = 32829,
  kSelectAll = 32830,
  kInvertSelection = 32831,
  kDeleteSelected = 32832,
  kDeleteColumn = 32833,
  kDuplicateSearch = 32834,
  kSettings = 32835,
  kFindReplace = 32836,
  kAppendOpen = 32837,
  kPrintLayout = 32838,
  kExportText = 32841,
  kExportHtml = 32842,
  kLayoutCode1 = 32843,  // to kLayoutCode8: header/footer codes of the print layout
  kLayoutCode8 = 32850,
  kExportCsv = 32852,
  kUpdateCheck = 32853,
  kTreeCopy = 32858,
  kMoveLast = 32859,
  kMoveFirst = 32860,
  kMoveMiddle = 32861,
  kDirectPrint = 57608,
  kNextPane = 57680,
  kPreviousPane = 57681,
  kToggleToolBar = 59392,
  kToggleStatusBar = 59393,
};

static_assert(int{kListView} > int{wxID_HIGHEST} && int{kTreeGroup1} > int{wxID_HIGHEST},
              "the program's IDs must stay clear of wx's stock IDs");
static_assert(kPasteColumn10 - kPasteColumn1 == 9 && kCopyColumn10 - kCopyColumn1 == 9);

}  // namespace listora::cmd
