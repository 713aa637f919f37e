#include "ui/panes/item_list_header.h"

#include <utility>

namespace listora {

ItemListHeader::ItemListHeader(wxWindow* parent)
    : wxHeaderCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHD_ALLOW_REORDER) {}

void ItemListHeader::SetColumns(std::vector<wxHeaderColumnSimple> columns) {
  columns_ = std::move(columns);
  SetColumnCount(static_cast<unsigned>(columns_.size()));
  // The count may be unchanged while every column differs.
  for (unsigned i = 0; i < columns_.size(); ++i) UpdateColumn(i);
  Refresh();
}

void ItemListHeader::SetColumnWidth(int index, int width) {
  if (columns_[index].GetWidth() == width) return;
  columns_[index].SetWidth(width);
  UpdateColumn(static_cast<unsigned>(index));
}

}  // namespace listora
