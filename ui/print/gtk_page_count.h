#pragma once
// wxGTK 3.2 tells GTK that a document has as many pages as the user asked
// for ("2-3" makes two), so GTK, which keeps the ranges from its dialog,
// drops every asked page past that count: "2-3" printed page 2 only and
// "3-4" nothing at all. Told the true count once the printout has counted
// its pages, GTK prints exactly the pages of every range, and wx draws each
// as the page of that number.

class wxDC;

namespace listora {

// Called while a print job on `dc` prepares; does nothing for a preview or
// another DC.
void TellGtkThePageCount(wxDC* dc, int pageCount);

// False when the user chose page ranges in GTK's dialog of which none holds
// a page of a document of `pageCount` pages, so that nothing would print;
// true for a preview or another DC.
bool AskedPagesExist(wxDC* dc, int pageCount);

}  // namespace listora
