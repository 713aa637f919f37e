#pragma once
// Items from paths given to the program: files and folders dropped on the
// list pane, and the paths after "-D" on the command line.

#include <filesystem>
#include <vector>

#include "core/tools/auto_insert.h"

namespace listora {

class CListoraDoc;

// Inserts one item per path as the document's insertion settings say,
// shows the new rows and counts with the last row in view, and marks the
// document modified when a folder was enumerated or an item inserted.
InsertResult InsertPathsIntoDocument(CListoraDoc& doc,
                                     const std::vector<std::filesystem::path>& paths);

// The "-D" insertion, once per process: does nothing unless start-up set
// the command-line insertion flag, which it clears.
void RunCommandLineInsertion(CListoraDoc& doc);

}  // namespace listora
