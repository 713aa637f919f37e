#pragma once
// A dialog's row of OK and Cancel buttons (wxID_OK, wxID_CANCEL) with their
// tool tips, for the dialog to place at its bottom right. Each dialog words
// its own labels and tool tips.

#include <wx/string.h>

class wxButton;
class wxSizer;
class wxWindow;

namespace listora {

struct ButtonText {
  wxString label;
  wxString tip;
};

struct OkCancelRow {
  wxSizer* sizer;  // owned by whichever sizer the dialog adds it to
  wxButton* ok;
  wxButton* cancel;
};

// Makes OK, then Cancel (the order of the focus too), on `parent`.
OkCancelRow MakeOkCancelRow(wxWindow* parent, const ButtonText& ok, const ButtonText& cancel);

}  // namespace listora
