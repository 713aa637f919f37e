#include "ui/app/settings/settings_page.h"

#include <wx/colordlg.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include "ui/panes/pane_style.h"
#include "ui/text/text_convert.h"

namespace listora {

wxStaticBoxSizer* PageFrame(wxWindow* page, std::string_view utf8Title) {
  auto* outer = new wxBoxSizer(wxVERTICAL);
  auto* frame = new wxStaticBoxSizer(wxVERTICAL, page, Utf8(utf8Title));
  outer->Add(frame, wxSizerFlags(1).Expand());
  page->SetSizer(outer);
  return frame;
}

std::uint32_t ToColorRef(const wxColour& c) {
  return static_cast<std::uint32_t>(c.Red()) | (static_cast<std::uint32_t>(c.Green()) << 8) |
         (static_cast<std::uint32_t>(c.Blue()) << 16);
}

bool ChooseColorRef(wxWindow* parent, std::uint32_t& colour) {
  wxColourData data;
  data.SetColour(FromColorRef(colour));
  wxColourDialog dialog(parent, &data);
  if (dialog.ShowModal() != wxID_OK) return false;
  colour = ToColorRef(dialog.GetColourData().GetColour());
  return true;
}

}  // namespace listora
