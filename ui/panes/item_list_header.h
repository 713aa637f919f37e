#pragma once
// The header of `ItemListCtrl`: the toolkit's header control over the list's
// own column titles, widths and alignments, so the list can set a width or
// read a title back without going through the control.

#include <wx/headerctrl.h>

#include <vector>

namespace listora {

class ItemListHeader : public wxHeaderCtrl {
 public:
  explicit ItemListHeader(wxWindow* parent);

  void SetColumns(std::vector<wxHeaderColumnSimple> columns);
  const wxHeaderColumnSimple& Column(int index) const { return columns_[index]; }
  void SetColumnWidth(int index, int width);

 protected:
  const wxHeaderColumn& GetColumn(unsigned int index) const override { return columns_[index]; }

 private:
  std::vector<wxHeaderColumnSimple> columns_;
};

}  // namespace listora
