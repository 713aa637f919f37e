#pragma once
// `CListoraPrev`: the image pane, showing the picture tied to the list's
// current item at actual size or fitted to the pane.

#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/scrolwin.h>

#include <filesystem>

#include "core/app/settings.h"

namespace listora {

class CListoraPrev : public wxScrolledCanvas {
 public:
  explicit CListoraPrev(wxWindow* parent);

  void ApplyStyle(const ViewStyle& style, bool fitToPane);
  // Loads the picture; an unreadable file shows nothing.
  void ShowImage(const std::filesystem::path& file);
  void ReleaseImage();
  bool HasImage() const { return image_.IsOk(); }

 private:
  void OnPaint(wxPaintEvent& event);
  void UpdateScrolling();

  wxImage image_;
  bool fit_ = true;
};

}  // namespace listora
