#pragma once
// Where GTK's "Print to File" writes unless the user picks another file.
// GTK would propose "output.pdf" in the current folder, which for this
// program is the folder of the executable (often not writable); the
// program proposes the document's name beside the document instead.

#include <filesystem>
#include <string>

class wxPrintData;

namespace listora {

class ListoraDoc;

// `document`'s name with ".pdf", in its folder; in the user's documents
// folder while it has never been saved.
std::filesystem::path ProposedPdfFile(const ListoraDoc& document);

// Makes `file` the file printer's output (as PDF) unless the user chose
// one in an earlier print dialog of this session: any output other than
// `proposed`, the URI proposed last, which then becomes this proposal's.
void ProposePdfFile(wxPrintData& data, const std::filesystem::path& file, std::string& proposed);

}  // namespace listora
