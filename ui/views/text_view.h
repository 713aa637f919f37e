#pragma once
// `CListoraText`: the text pane, showing the memo of the list's current
// item.

#include <wx/textctrl.h>

#include "core/app/settings.h"

namespace listora {

class CListoraText : public wxTextCtrl {
 public:
  explicit CListoraText(wxWindow* parent);

  void ApplyStyle(const ViewStyle& style);
  // The memo of `row` (CP932); row -1 with an empty memo clears the pane.
  void ShowMemo(int row, std::string_view memo);
  int CurrentRow() const { return row_; }

 private:
  int row_ = -1;
};

}  // namespace listora
