#include "ui/print/print_preview.h"

#include <wx/button.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <string_view>

#include "core/base/translation.h"
#include "ui/print/table_printout.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

struct ButtonText {
  int id;
  Text label;  // empty: a picture button, only the tip changes
  Text tip;
};

constexpr ButtonText kButtonTexts[] = {
    {wxID_PREVIEW_PRINT, Tx("印刷(&P)..."), Tx("ドキュメントを印刷します")},
    {wxID_PREVIEW_FIRST, {}, Tx("先頭ページ")},
    {wxID_PREVIEW_PREVIOUS, {}, Tx("前ページ")},
    {wxID_PREVIEW_NEXT, {}, Tx("次ページ")},
    {wxID_PREVIEW_LAST, {}, Tx("最終ページ")},
    {wxID_PREVIEW_ZOOM_IN, {}, Tx("拡大")},
    {wxID_PREVIEW_ZOOM_OUT, {}, Tx("縮小")},
    {wxID_PREVIEW_CLOSE, Tx("閉じる(&C)"), Tx("プレビューを閉じます")},
};

class PreviewControlBar : public wxPreviewControlBar {
 public:
  using wxPreviewControlBar::wxPreviewControlBar;

  void CreateButtons() override {
    wxPreviewControlBar::CreateButtons();
    for (const ButtonText& text : kButtonTexts) {
      wxWindow* button = FindWindow(text.id);
      if (!button) continue;
      if (!text.label.empty()) button->SetLabel(Utf8(text.label));
      button->SetToolTip(Utf8(text.tip));
    }
    Layout();
    // The box knows the room its frame takes only once it is shown.
    CallAfter([this] {
      WidenPageBox();
      Layout();
    });
  }

 private:
  // The toolkit sizes the page number box for three digits; a long table
  // has more pages than that.
  void WidenPageBox() {
    auto* box = dynamic_cast<wxTextCtrl*>(FindWindow(wxID_PREVIEW_GOTO));
    if (!box) return;
    const auto* table = dynamic_cast<const TablePrintout*>(m_printPreview->GetPrintout());
    const int pages = table ? table->Paginate().pageCount : m_printPreview->GetMaxPage();
    const wxString widest(wxUniChar('0'), wxString::Format("%d", pages).length());
    const wxSize size = box->GetSizeFromTextSize(box->GetTextExtent(widest).x);
    box->SetMinSize(wxSize(std::max(size.x, box->GetMinSize().x), -1));
  }
};

}  // namespace

PrintPreviewFrame::PrintPreviewFrame(wxPrintPreviewBase* preview, wxWindow* parent)
    : wxPreviewFrame(preview, parent, Utf8(Tr("印刷プレビュー")), wxDefaultPosition,
                     wxSize(900, 800)) {}

void PrintPreviewFrame::CreateControlBar() {
  long buttons = wxPREVIEW_DEFAULT;
  if (m_printPreview->GetPrintoutForPrinting()) buttons |= wxPREVIEW_PRINT;
  m_controlBar = new PreviewControlBar(m_printPreview, buttons, this);
  m_controlBar->CreateButtons();
}

}  // namespace listora
