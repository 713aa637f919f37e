#include "ui/views/image_view.h"

#include <wx/dcbuffer.h>
#include <wx/log.h>

#include <algorithm>

#include "ui/views/pane_style.h"

namespace listora {

CListoraPrev::CListoraPrev(wxWindow* parent)
    : wxScrolledCanvas(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                       wxBORDER_SUNKEN | wxHSCROLL | wxVSCROLL) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetScrollRate(10, 10);
  Bind(wxEVT_PAINT, &CListoraPrev::OnPaint, this);
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    Refresh();
    event.Skip();
  });
}

void CListoraPrev::ApplyStyle(const ViewStyle& style, bool fitToPane) {
  SetBackgroundColour(FromColorRef(style.background));
  fit_ = fitToPane;
  UpdateScrolling();
  Refresh();
}

void CListoraPrev::ShowImage(const std::filesystem::path& file) {
  // A missing or damaged picture is not an error worth a message box here.
  wxLogNull quiet;
  image_ = wxImage();
  if (!file.empty()) image_.LoadFile(wxString::FromUTF8(file.string()));
  UpdateScrolling();
  Refresh();
}

void CListoraPrev::ReleaseImage() {
  image_ = wxImage();
  UpdateScrolling();
  Refresh();
}

void CListoraPrev::UpdateScrolling() {
  if (image_.IsOk() && !fit_)
    SetVirtualSize(image_.GetWidth(), image_.GetHeight());
  else
    SetVirtualSize(0, 0);
}

void CListoraPrev::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(GetBackgroundColour()));
  dc.Clear();
  if (!image_.IsOk()) return;
  if (!fit_) {
    DoPrepareDC(dc);
    dc.DrawBitmap(wxBitmap(image_), 0, 0);
    return;
  }
  const wxSize area = GetClientSize();
  if (area.x <= 0 || area.y <= 0) return;
  const double scale = std::min(static_cast<double>(area.x) / image_.GetWidth(),
                                static_cast<double>(area.y) / image_.GetHeight());
  const int width = std::max(1, static_cast<int>(image_.GetWidth() * scale));
  const int height = std::max(1, static_cast<int>(image_.GetHeight() * scale));
  dc.DrawBitmap(wxBitmap(image_.Scale(width, height, wxIMAGE_QUALITY_HIGH)), (area.x - width) / 2,
                (area.y - height) / 2);
}

}  // namespace listora
