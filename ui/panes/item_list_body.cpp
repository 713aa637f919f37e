#include "ui/panes/item_list_body.h"

#include "ui/panes/item_list_ctrl.h"

namespace listora {

ItemListBody::ItemListBody(ItemListCtrl* list, wxWindow* header)
    : wxScrolled<wxWindow>(list, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                           wxVSCROLL | wxHSCROLL | wxWANTS_CHARS | wxBORDER_NONE),
      header_(header) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  // Drawing never goes through a scrolled origin: rows are placed from the
  // top row, which keeps coordinates small for a million rows.
  EnableScrolling(true, true);
}

void ItemListBody::ScrollWindow(int dx, int dy, const wxRect* rect) {
  wxScrolled<wxWindow>::ScrollWindow(dx, dy, rect);
  if (dx != 0) header_->ScrollWindow(dx, 0);
}

}  // namespace listora
