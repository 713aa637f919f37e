#include "ui/base/ok_cancel_row.h"

#include <wx/button.h>
#include <wx/sizer.h>

namespace listora {

OkCancelRow MakeOkCancelRow(wxWindow* parent, const ButtonText& ok, const ButtonText& cancel) {
  // Braced initialisation runs in order: OK is made first.
  const OkCancelRow row{new wxBoxSizer(wxHORIZONTAL), new wxButton(parent, wxID_OK, ok.label),
                        new wxButton(parent, wxID_CANCEL, cancel.label)};
  row.ok->SetToolTip(ok.tip);
  row.cancel->SetToolTip(cancel.tip);
  row.sizer->Add(row.ok, wxSizerFlags().Border(wxRIGHT));
  row.sizer->Add(row.cancel);
  return row;
}

}  // namespace listora
