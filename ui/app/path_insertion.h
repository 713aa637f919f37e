#pragma once
// The "-D" insertion: the paths after "-D" on the command line become items
// of the new document.

namespace listora {

class ListoraDoc;

// Once per process: does nothing unless start-up set the command-line
// insertion flag, which it clears.
void RunCommandLineInsertion(ListoraDoc& doc);

}  // namespace listora
