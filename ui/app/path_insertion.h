#pragma once
// The "-D" insertion: the paths after "-D" on the command line become items
// of the new document.

namespace listora {

class CListoraDoc;

// Once per process: does nothing unless start-up set the command-line
// insertion flag, which it clears.
void RunCommandLineInsertion(CListoraDoc& doc);

}  // namespace listora
