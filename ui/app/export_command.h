#pragma once
// The export commands: the whole item table written as text, HTML or CSV
// (each in code page 932 or UTF-8) or as a workbook. The document itself is
// not changed.

class wxCommandEvent;

namespace listora {

struct CommandScope;

void RunExport(CommandScope& scope, wxCommandEvent& event);

}  // namespace listora
