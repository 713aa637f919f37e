#pragma once
// The program's user interface is Japanese whatever the locale: the
// toolkit's own texts (the buttons of its file choosers and other dialogs)
// are taken from its Japanese catalogue, and the program's message boxes
// name their buttons themselves.

class wxMessageDialog;

namespace listora {

// Once at start-up. Without the toolkit's Japanese catalogue installed its
// texts stay as they are.
void UseJapaneseToolkitTexts();

// はい / いいえ / キャンセル / OK on whichever of them the box shows.
void SetJapaneseButtonLabels(wxMessageDialog& dialog);

}  // namespace listora
