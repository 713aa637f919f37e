#pragma once
// Command "インポート": a CSV or tab-separated file chosen, read as the
// import dialog says, and its items put into a new document or after the
// open document's. The file is read whole before either document is
// touched, so a cancel keeps nothing.

class wxCommandEvent;

namespace listora {

struct CommandScope;

void RunTableImport(CommandScope& scope, wxCommandEvent& event);

}  // namespace listora
