#include "ui/panes/pane_style.h"

#include <wx/window.h>

#include <algorithm>

#include "ui/text/text_convert.h"

namespace listora {

wxColour FromColorRef(std::uint32_t colorRef) {
  return wxColour(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

wxFont PaneFont(const StoredPaneStyle& style) {
  // A size of zero or less (a damaged file or settings key) falls back to 9 pt.
  const double points = style.fontSize > 0 ? style.fontSize / 10.0 : 9.0;
  wxFontInfo info(std::clamp(points, 1.0, 200.0));
  const wxString face = ToWx(FixedText(style.fontName));
  if (!face.empty()) info.FaceName(face);
  return wxFont(info);
}

void ApplyPaneStyle(wxWindow& window, const StoredPaneStyle& style) {
  window.SetFont(PaneFont(style));
  window.SetBackgroundColour(FromColorRef(style.background));
  window.SetForegroundColour(FromColorRef(style.text));
  window.Refresh();
}

}  // namespace listora
