#include "ui/base/image_preview.h"

#include <wx/bitmap.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>

#include <algorithm>

namespace listora {

namespace {

constexpr int kThumbnailSize = 160;

wxBitmap EmptyFrame() {
  wxImage blank(kThumbnailSize, kThumbnailSize);
  blank.SetRGB(wxRect(0, 0, kThumbnailSize, kThumbnailSize), 255, 255, 255);
  return wxBitmap(blank);
}

class ImagePreview : public wxPanel {
 public:
  explicit ImagePreview(wxWindow* parent)
      : wxPanel(parent), chooser_(wxDynamicCast(parent, wxFileDialog)) {
    picture_ = new wxStaticBitmap(this, wxID_ANY, EmptyFrame());
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(picture_, wxSizerFlags().Border());
    SetSizerAndFit(sizer);
    // The chooser reports no change of its highlighted file; it is asked
    // whenever the window is idle.
    Bind(wxEVT_UPDATE_UI, &ImagePreview::OnUpdate, this);
  }

 private:
  void OnUpdate(wxUpdateUIEvent&) {
    if (!chooser_) return;
    const wxString file = chooser_->GetCurrentlySelectedFilename();
    if (file == shown_) return;
    shown_ = file;
    wxImage image;
    if (!file.empty() && wxFileName::FileExists(file)) {
      wxLogNull quiet;  // a file that is no picture shows an empty frame
      image.LoadFile(file);
    }
    if (!image.IsOk()) {
      picture_->SetBitmap(EmptyFrame());
      return;
    }
    const double scale = std::min(1.0, std::min(double(kThumbnailSize) / image.GetWidth(),
                                                double(kThumbnailSize) / image.GetHeight()));
    image.Rescale(std::max(1, int(image.GetWidth() * scale)),
                  std::max(1, int(image.GetHeight() * scale)), wxIMAGE_QUALITY_HIGH);
    picture_->SetBitmap(wxBitmap(image));
  }

  wxFileDialog* chooser_;
  wxStaticBitmap* picture_;
  wxString shown_;
};

}  // namespace

wxWindow* CreateImagePreview(wxWindow* parent) { return new ImagePreview(parent); }

}  // namespace listora
