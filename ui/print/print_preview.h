#pragma once
// The print preview window: the toolkit's preview of a printout, with the
// program's own texts on its buttons.

#include <wx/print.h>

namespace listora {

class PrintPreviewFrame : public wxPreviewFrame {
 public:
  PrintPreviewFrame(wxPrintPreviewBase* preview, wxWindow* parent);

  wxPrintPreviewBase* Preview() const { return m_printPreview; }

 protected:
  void CreateControlBar() override;
};

}  // namespace listora
