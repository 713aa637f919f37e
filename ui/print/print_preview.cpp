#include "ui/print/print_preview.h"

#include <wx/button.h>

#include <string_view>

#include "ui/text/text_convert.h"

namespace listora {

namespace {

struct ButtonText {
  int id;
  std::string_view label;  // empty: a picture button, only the tip changes
  std::string_view tip;
};

constexpr ButtonText kButtonTexts[] = {
    {wxID_PREVIEW_PRINT, "印刷(&P)...", "ドキュメントを印刷します"},
    {wxID_PREVIEW_FIRST, "", "先頭ページ"},
    {wxID_PREVIEW_PREVIOUS, "", "前ページ"},
    {wxID_PREVIEW_NEXT, "", "次ページ"},
    {wxID_PREVIEW_LAST, "", "最終ページ"},
    {wxID_PREVIEW_ZOOM_IN, "", "拡大"},
    {wxID_PREVIEW_ZOOM_OUT, "", "縮小"},
    {wxID_PREVIEW_CLOSE, "閉じる(&C)", "プレビューを閉じます"},
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
  }
};

}  // namespace

PrintPreviewFrame::PrintPreviewFrame(wxPrintPreviewBase* preview, wxWindow* parent)
    : wxPreviewFrame(preview, parent, Utf8("印刷プレビュー"), wxDefaultPosition, wxSize(900, 800)) {
}

void PrintPreviewFrame::CreateControlBar() {
  long buttons = wxPREVIEW_DEFAULT;
  if (m_printPreview->GetPrintoutForPrinting()) buttons |= wxPREVIEW_PRINT;
  m_controlBar = new PreviewControlBar(m_printPreview, buttons, this);
  m_controlBar->CreateButtons();
}

}  // namespace listora
