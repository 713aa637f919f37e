#include "ui/views/text_view.h"

#include "ui/app/text_convert.h"
#include "ui/views/pane_style.h"

namespace listora {

CListoraText::CListoraText(wxWindow* parent)
    : wxTextCtrl(parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                 wxTE_MULTILINE | wxTE_READONLY | wxBORDER_SUNKEN) {}

void CListoraText::ApplyStyle(const ViewStyle& style) { ApplyPaneStyle(*this, style); }

void CListoraText::ShowMemo(int row, std::string_view memo) {
  row_ = row;
  ChangeValue(ToWx(memo));
}

}  // namespace listora
