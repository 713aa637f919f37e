#pragma once
// A pane's stored style (COLORREF colours, font size in tenths of a point,
// CP932 face name) as wx colours and font.

#include <wx/colour.h>
#include <wx/font.h>

#include <cstdint>

#include "core/doc/document_settings.h"

class wxWindow;

namespace listora {

wxColour FromColorRef(std::uint32_t colorRef);
wxFont PaneFont(const StoredPaneStyle& style);
// Font, background and text colour of one pane.
void ApplyPaneStyle(wxWindow& window, const StoredPaneStyle& style);

}  // namespace listora
