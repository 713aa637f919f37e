#pragma once
// The thumbnail beside a file chooser: the picture the chooser highlights,
// scaled to fit.

class wxWindow;

namespace listora {

// For wxFileDialog::SetExtraControlCreator; `parent` is the chooser.
wxWindow* CreateImagePreview(wxWindow* parent);

}  // namespace listora
