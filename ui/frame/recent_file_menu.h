#pragma once
// The recent-file entries of the File menu. While the list is empty the
// menu holds the greyed placeholder "最近使ったファイル"; once files are
// listed, numbered entries (newest first) stand in its place.

class wxFileHistory;
class wxMenu;

namespace listora {

// The placeholder, appended when the File menu is built.
void AppendRecentFilePlaceholder(wxMenu& file);
// Puts the history's entries (or the placeholder) where the placeholder or
// the previous entries were.
void ShowRecentFiles(wxMenu& file, const wxFileHistory& history);

}  // namespace listora
