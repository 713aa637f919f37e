// Printing: the table printed into PDF files through GTK's print dialog and
// its file printer, as "Print to File" does, read back with pdftotext.

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/cmndata.h>
#include <wx/spinbutt.h>
#include <wx/stdpaths.h>
#include <wx/textctrl.h>

#include <ctime>

#include "core/doc/document_file.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/app/listora_doc_manager.h"
#include "ui/base/command_ids.h"
#include "ui/base/messages.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/print/print_commands.h"
#include "ui/print/print_layout_dialog.h"
#include "ui/print/print_preview.h"
#include "ui/print/print_to_file.h"
#include "ui/print/table_printout.h"
#include "ui/support/gui_app.h"
#include "ui/support/pdf_print.h"
#include "ui/support/scripted_prompt.h"
#include "ui/support/table_setup.h"

namespace listora::test {
namespace {

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The open document with `count` items "行<i>" / "<i * 7>" under the titles
// "名前" and "数量", the second column right-aligned (numeric).
void FillDocument(int count) {
  Document& data = TheData();
  data.settings.columns.count = 3;
  SetFixedText(data.settings.columns.names[1], Sj("名前"));
  SetFixedText(data.settings.columns.names[2], Sj("数量"));
  data.settings.columns.formats[2] |= kFormatRight;
  for (int i = 0; i < count; ++i) {
    ItemFields item;
    item.columns[0] = "0";
    item.columns[1] = Sj("行") + std::to_string(i);
    item.columns[2] = std::to_string(i * 7);
    data.items.AppendRow(item);
  }
  CurrentDoc().Changed(DocHint::Kind::kColumns);
  CurrentDoc().Changed(DocHint::Kind::kItems);
  Pump();
}

// 5 March 2024, noon local time.
std::time_t FifthOfMarch() {
  std::tm tm{};
  tm.tm_year = 124;
  tm.tm_mon = 2;
  tm.tm_mday = 5;
  tm.tm_hour = 12;
  tm.tm_isdst = -1;
  return std::mktime(&tm);
}

struct Printed {
  std::vector<std::string> pages;
  PageMetrics metrics;
};

Printed PrintOpenDocument(const PrintLayout& layout, const PageRanges& pages = {}) {
  PrintSource source = ScreenPrintSource(CurrentDoc(), App().Frame()->PaneWindows().list);
  source.layout = layout;
  source.now = [] { return FifthOfMarch(); };
  TablePrintout printout(source);
  TempDir dir;
  EXPECT_TRUE(PrintToPdf(printout, dir / "out.pdf", pages));
  return {PdfPages(dir / "out.pdf"), printout.Metrics()};
}

PrintLayout DefaultLayout() { return ReadPrintLayout(App().Program().settingsFile); }

TEST(Printing, SmallDocumentOnOnePage) {
  StartFresh();
  FillDocument(5);
  const Printed printed = PrintOpenDocument(DefaultLayout());
  ASSERT_EQ(printed.pages.size(), 1u);
  const std::string& page = printed.pages[0];
  EXPECT_TRUE(Has(page, "無題 5")) << page;          // "%F %A"
  EXPECT_TRUE(Has(page, "2024/3/5 1 / 1")) << page;  // "%Y/%M/%D %P / %T"
  EXPECT_TRUE(Has(page, "名前")) << page;
  EXPECT_TRUE(Has(page, "数量")) << page;
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(Has(page, "行" + std::to_string(i))) << i;
    EXPECT_TRUE(Has(page, std::to_string(i * 7))) << i;
  }
  EXPECT_TRUE(Script().asked.empty());
}

TEST(Printing, PrintCommandPrintsTheOpenDocumentToAFile) {
  StartFresh();
  FillDocument(3);
  TempDir dir;
  const std::filesystem::path file = dir / "command.pdf";
  wxPageSetupDialogData& setup = App().DocManager()->GetPageSetupDialogData();
  PrintToPdfFile(setup.GetPrintData(), file);
  const auto today = [] {
    const std::time_t now = std::time(nullptr);
    const std::tm* tm = std::localtime(&now);
    return std::to_string(tm->tm_year + 1900) + "/" + std::to_string(tm->tm_mon + 1) + "/" +
           std::to_string(tm->tm_mday) + " 1 / 1";
  };
  const std::string before = today();
  ASSERT_TRUE(AnswerPrintDialog([] { SendCommand(cmd::kPrint); }));
  const std::string after = today();
  setup.SetPrintData(wxPrintData());

  const std::vector<std::string> pages = PdfPages(file);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(Has(pages[0], "無題 3")) << pages[0];
  EXPECT_TRUE(Has(pages[0], before) || Has(pages[0], after)) << pages[0];
  for (const char* text : {"名前", "数量", "行0", "行2", "14"}) {
    EXPECT_TRUE(Has(pages[0], text)) << text;
  }
}

TEST(Printing, PrintToFileProposesTheDocumentsNameBesideIt) {
  StartFresh();
  EXPECT_EQ(
      ProposedPdfFile(CurrentDoc()),
      std::filesystem::path(wxStandardPaths::Get().GetDocumentsDir().utf8_string()) / "無題.pdf");
  FillDocument(2);
  TempDir dir;
  const wxString path = wxString::FromUTF8((dir / "garden.ltb").string());
  ASSERT_TRUE(CurrentDoc().OnSaveDocument(path));
  ASSERT_TRUE(CurrentDoc().OnOpenDocument(path));
  Pump();
  wxPageSetupDialogData& setup = App().DocManager()->GetPageSetupDialogData();
  setup.SetPrintData(wxPrintData());
  UseFilePrinter(setup.GetPrintData());
  ASSERT_TRUE(AnswerPrintDialog([] { SendCommand(cmd::kPrint); }));
  const std::vector<std::string> pages = PdfPages(dir / "garden.pdf");
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(Has(pages[0], "garden.ltb 2")) << pages[0];

  // The proposal follows the document: now one saved under another name.
  const wxString field = wxString::FromUTF8((dir / "field.ltb").string());
  ASSERT_TRUE(CurrentDoc().OnSaveDocument(field));
  ASSERT_TRUE(CurrentDoc().OnOpenDocument(field));
  Pump();
  ASSERT_TRUE(AnswerPrintDialog([] { SendCommand(cmd::kPrint); }));
  EXPECT_EQ(PdfPages(dir / "field.pdf").size(), 1u);

  // A file chosen in the dialog before stays chosen.
  PrintToPdfFile(setup.GetPrintData(), dir / "chosen.pdf");
  std::filesystem::remove(dir / "garden.pdf");
  ASSERT_TRUE(AnswerPrintDialog([] { SendCommand(cmd::kPrint); }));
  EXPECT_EQ(PdfPages(dir / "chosen.pdf").size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(dir / "garden.pdf"));
  setup.SetPrintData(wxPrintData());
}

TEST(Printing, EmptyTablePrintsOnePageWithHeaderTitlesAndFooter) {
  StartFresh();
  FillDocument(0);
  const Printed printed = PrintOpenDocument(DefaultLayout());
  ASSERT_EQ(printed.pages.size(), 1u);
  EXPECT_TRUE(Has(printed.pages[0], "無題 0"));
  EXPECT_TRUE(Has(printed.pages[0], "名前"));
  EXPECT_TRUE(Has(printed.pages[0], "2024/3/5 1 / 1"));
}

TEST(Printing, ManyItemsSplitIntoPagesOfRowsPerPage) {
  StartFresh();
  const int items = 130;
  FillDocument(items);
  const Printed printed = PrintOpenDocument(DefaultLayout());
  const int rows = printed.metrics.rowsPerPage;
  ASSERT_TRUE(printed.metrics.rowsFit);
  const int pages = (items + rows - 1) / rows;
  ASSERT_GT(pages, 1);
  ASSERT_EQ(static_cast<int>(printed.pages.size()), pages);
  for (int p = 1; p <= pages; ++p) {
    const std::string& page = printed.pages[p - 1];
    EXPECT_TRUE(Has(page, "無題 130")) << p;
    EXPECT_TRUE(Has(page, " " + std::to_string(p) + " / " + std::to_string(pages))) << page;
    EXPECT_TRUE(Has(page, "名前")) << p;
  }
  // Every row on its page, in the table's order, and on no other page.
  for (int i = 0; i < items; ++i) {
    const std::string cell = "行" + std::to_string(i) + "\n";
    for (int p = 0; p < pages; ++p) {
      EXPECT_EQ(Has(printed.pages[p], cell), p == i / rows) << "row " << i << " page " << p + 1;
    }
  }

  // Without the header the titles move up and two more rows fit.
  PrintLayout noHeader = DefaultLayout();
  noHeader.header = false;
  const Printed shorter = PrintOpenDocument(noHeader);
  EXPECT_EQ(shorter.metrics.rowsPerPage, rows + 2);
  EXPECT_FALSE(Has(shorter.pages[0], "無題"));
}

TEST(Printing, PageRangesPrintExactlyThePagesAskedFor) {
  StartFresh();
  const int items = 2000;
  FillDocument(items);
  const struct {
    PageRanges ranges;
    std::vector<int> pages;
  } cases[] = {
      {{{1, 3}}, {1, 2, 3}},
      {{{2, 3}}, {2, 3}},
      {{{1, 1}, {3, 3}}, {1, 3}},
      {{{3, 4}}, {3, 4}},
      {{{1, 2}, {10, 11}, {20, 21}}, {1, 2, 10, 11, 20, 21}},
  };
  for (const auto& c : cases) {
    const Printed printed = PrintOpenDocument(DefaultLayout(), c.ranges);
    const int rows = printed.metrics.rowsPerPage;
    const int total = printed.metrics.pageCount;
    ASSERT_EQ(printed.pages.size(), c.pages.size()) << "from page " << c.pages[0];
    for (std::size_t k = 0; k < c.pages.size(); ++k) {
      // Page p holds rows (p - 1) * R to p * R - 1 and its own number.
      const int p = c.pages[k];
      const std::string& page = printed.pages[k];
      EXPECT_TRUE(Has(page, " " + std::to_string(p) + " / " + std::to_string(total))) << page;
      EXPECT_TRUE(Has(page, "行" + std::to_string((p - 1) * rows) + "\n")) << p;
      const int last = std::min(p * rows, items) - 1;
      EXPECT_TRUE(Has(page, "行" + std::to_string(last) + "\n")) << p;
      EXPECT_FALSE(Has(page, "行" + std::to_string(last + 1) + "\n")) << p;
    }
  }
}

TEST(Printing, ARangePastTheLastPageSaysSo) {
  StartFresh();
  FillDocument(2000);
  PrintSource source = ScreenPrintSource(CurrentDoc(), App().Frame()->PaneWindows().list);
  TablePrintout printout(source);
  TempDir dir;
  PrintToPdf(printout, dir / "out.pdf", {{22, 22}});
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"info"});
  EXPECT_EQ(Script().asked[0].text,
            wxString::FromUTF8("指定されたページはありません。この文書は全 21 ページです。"));
  // One page of the ranges there is enough.
  Script().Reset();
  PrintToPdf(printout, dir / "out.pdf", {{21, 22}});
  EXPECT_TRUE(Script().asked.empty());
}

TEST(Printing, FontTooLargeForOneRowWarnsOnceAndGivesEachRowAPage) {
  StartFresh();
  FillDocument(3);
  PrintLayout huge = DefaultLayout();
  huge.fontSize = 3000;
  const Printed printed = PrintOpenDocument(huge);
  EXPECT_FALSE(printed.metrics.rowsFit);
  ASSERT_EQ(printed.pages.size(), 3u);
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"info"});
  EXPECT_EQ(Script().asked[0].text, wxString::FromUTF8(std::string(msg::kRowsDoNotFit)));
}

TEST(Printing, PreviewShowsTheFirstPageWithJapaneseButtons) {
  StartFresh();
  FillDocument(130);
  App().Program().previewPages = 0;
  SendCommand(cmd::kPrintPreview);
  PrintPreviewFrame* preview = nullptr;
  ASSERT_TRUE(PumpUntil([&] {
    for (wxWindow* window : wxTopLevelWindows) {
      if (auto* frame = dynamic_cast<PrintPreviewFrame*>(window)) preview = frame;
    }
    return preview != nullptr;
  }));
  ASSERT_TRUE(preview);
  EXPECT_EQ(preview->GetTitle(), wxString::FromUTF8("印刷プレビュー"));
  for (int id : {wxID_PREVIEW_PRINT, wxID_PREVIEW_CLOSE})
    ASSERT_TRUE(preview->FindWindow(id)) << id;
  EXPECT_EQ(preview->FindWindow(wxID_PREVIEW_PRINT)->GetLabel(), wxString::FromUTF8("印刷(&P)..."));
  EXPECT_EQ(preview->FindWindow(wxID_PREVIEW_CLOSE)->GetLabel(), wxString::FromUTF8("閉じる(&C)"));
  wxPrintPreviewBase* pages = preview->Preview();
  EXPECT_EQ(pages->GetCurrentPage(), 1);
  EXPECT_GT(pages->GetMaxPage(), 1);
  // One page at a time, the count the settings file keeps at exit.
  EXPECT_EQ(App().Program().previewPages, 1);
  preview->Close(true);
  Pump();
}

PrintPreviewFrame* OpenPreview() {
  SendCommand(cmd::kPrintPreview);
  PrintPreviewFrame* preview = nullptr;
  PumpUntil([&] {
    for (wxWindow* window : wxTopLevelWindows) {
      if (auto* frame = dynamic_cast<PrintPreviewFrame*>(window)) preview = frame;
    }
    return preview != nullptr;
  });
  return preview;
}

// The preview and the printout paginate alike at every zoom: the same page
// count (the footer's "%T") and the same first and last row on each page.
TEST(Printing, PreviewShowsThePagesThatPrint) {
  StartFresh();
  const int items = 2000;
  FillDocument(items);
  const auto layout = [](int fontSize, int top, int bottom, bool header, bool footer) {
    PrintLayout l = DefaultLayout();
    l.fontSize = fontSize;
    l.top = top;
    l.bottom = bottom;
    l.header = header;
    l.footer = footer;
    return l;
  };
  const PrintLayout layouts[] = {
      layout(50, 0, 0, true, true),    layout(100, 0, 0, true, true),
      layout(30, 17, 23, true, true),  layout(80, 5, 0, false, true),
      layout(120, 0, 31, true, false),
  };
  for (const PrintLayout& l : layouts) {
    const Printed printed = PrintOpenDocument(l);
    const int pages = printed.metrics.pageCount;
    ASSERT_EQ(static_cast<int>(printed.pages.size()), pages) << l.fontSize;
    if (l.fontSize == 50) {
      EXPECT_EQ(printed.metrics.rowsPerPage, 98);
      EXPECT_EQ(pages, 21);
    }
    CurrentDoc().SetPrintLayout(l);
    PrintPreviewFrame* preview = OpenPreview();
    ASSERT_TRUE(preview);
    wxPrintPreviewBase& shown = *preview->Preview();
    auto& printout = dynamic_cast<TablePrintout&>(*shown.GetPrintout());
    for (const int zoom : {30, 100, 175}) {
      shown.SetZoom(zoom);
      for (int p = 1; p <= pages; ++p) {
        ASSERT_TRUE(shown.RenderPage(p));
        EXPECT_EQ(shown.GetMaxPage(), pages) << l.fontSize << " zoom " << zoom;
        const RowRange rows = printout.LastPageRows();
        const std::string& page = printed.pages[p - 1];
        const std::string where = "font " + std::to_string(l.fontSize) + " zoom " +
                                  std::to_string(zoom) + " page " + std::to_string(p);
        EXPECT_TRUE(Has(page, "行" + std::to_string(rows.first) + "\n")) << where;
        EXPECT_TRUE(Has(page, "行" + std::to_string(rows.end - 1) + "\n")) << where;
        EXPECT_FALSE(Has(page, "行" + std::to_string(rows.end) + "\n")) << where;
        if (l.footer)
          EXPECT_TRUE(Has(page, " " + std::to_string(p) + " / " + std::to_string(pages))) << where;
      }
    }
    preview->Close(true);
    Pump();
  }
}

// A million items in the default layout: the page box holds the last page's
// number whole.
TEST(Printing, PreviewPageBoxHoldsTheLastPageNumber) {
  StartFresh();
  FillDocument(1'000'000);
  CurrentDoc().SetPrintLayout(DefaultLayout());
  PrintPreviewFrame* preview = OpenPreview();
  ASSERT_TRUE(preview);
  wxPrintPreviewBase& shown = *preview->Preview();
  EXPECT_EQ(shown.GetMaxPage(), 10'205);
  auto* box = dynamic_cast<wxTextCtrl*>(preview->FindWindow(wxID_PREVIEW_GOTO));
  ASSERT_TRUE(box);
  wxWindow* last = preview->FindWindow(wxID_PREVIEW_LAST);
  ASSERT_TRUE(last);
  wxCommandEvent click(wxEVT_BUTTON, wxID_PREVIEW_LAST);
  click.SetEventObject(last);
  last->GetEventHandler()->ProcessEvent(click);
  ASSERT_TRUE(PumpUntil([&] { return box->GetValue() == "10205"; })) << box->GetValue();
  EXPECT_GE(box->GetSize().x, box->GetSizeFromTextSize(box->GetTextExtent("10205").x).x);
  preview->Close(true);
  Pump();
}

// Runs `act` on the layout dialog while the layout command shows it; `act`
// must end the dialog.
void WithLayoutDialog(const std::function<void(PrintLayoutDialog&)>& act) {
  wxTheApp->CallAfter([act] {
    for (wxWindow* window : wxTopLevelWindows) {
      if (auto* dialog = dynamic_cast<PrintLayoutDialog*>(window)) {
        act(*dialog);
        if (dialog->IsModal()) dialog->EndModal(wxID_CANCEL);  // never leave the test hanging
      }
    }
  });
  SendCommand(cmd::kPrintLayout);
}

void Click(wxWindow& dialog, int id) {
  wxCommandEvent click(wxEVT_BUTTON, id);
  click.SetEventObject(dialog.FindWindow(id));
  dialog.FindWindow(id)->GetEventHandler()->ProcessEvent(click);
}

wxTextCtrl& Edit(wxWindow& dialog, int id) {
  return *static_cast<wxTextCtrl*>(dialog.FindWindow(id));
}

TEST(PrintLayoutDialogTest, RefusesAMarginOverHundredThenStoresAndWritesTheLayout) {
  StartFresh();
  bool stayedOpen = false;
  WithLayoutDialog([&](PrintLayoutDialog& dialog) {
    Edit(dialog, PrintLayoutDialog::kTopEdit).ChangeValue("101");
    Click(dialog, wxID_OK);
    stayedOpen = dialog.IsModal();
    Edit(dialog, PrintLayoutDialog::kTopEdit).ChangeValue("100");
    Edit(dialog, PrintLayoutDialog::kRightEdit).ChangeValue(" 7");
    // A code chosen from the header's menu goes to the end of its template.
    wxCommandEvent code(wxEVT_MENU, cmd::kLayoutCode1 + 3);
    dialog.GetEventHandler()->ProcessEvent(code);
    Click(dialog, wxID_OK);
  });
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(Script().Kinds(), std::vector<std::string>{"error"});
  EXPECT_EQ(Script().asked[0].text,
            wxString::FromUTF8("0 から 100 までの整数を入力してください。"));

  const PrintLayout& stored = CurrentDoc().GetPrintLayout();
  EXPECT_EQ(stored.top, 100);
  EXPECT_EQ(stored.right, 7);
  EXPECT_EQ(stored.headerText, "%F %A%F");
  EXPECT_EQ(stored.footerText, "%Y/%M/%D %P / %T");
  const PrintLayout written = ReadPrintLayout(App().Program().settingsFile);
  EXPECT_EQ(written.top, 100);
  EXPECT_EQ(written.headerText, "%F %A%F");
  // The stored face is kept even where this system has no such font.
  EXPECT_EQ(written.fontName, Sj("ＭＳ Ｐゴシック"));
  EXPECT_EQ(written.fontSize, 50);
}

TEST(PrintLayoutDialogTest, CancelKeepsTheLayout) {
  StartFresh();
  WithLayoutDialog([](PrintLayoutDialog& dialog) {
    // The spin button goes on from the typed margin.
    auto& spin = *static_cast<wxSpinButton*>(dialog.FindWindow(PrintLayoutDialog::kTopSpin));
    Edit(dialog, PrintLayoutDialog::kTopEdit).SetValue("9");
    EXPECT_EQ(spin.GetValue(), 9);
    Edit(dialog, PrintLayoutDialog::kTopEdit).SetValue("x");
    EXPECT_EQ(spin.GetValue(), 9);
    // Each ">" button is wide enough for the theme to draw its label.
    for (const int id : {PrintLayoutDialog::kHeaderCodes, PrintLayoutDialog::kFooterCodes}) {
      wxWindow& codes = *dialog.FindWindow(id);
      EXPECT_EQ(codes.GetLabel(), ">");
      gint least = 0;
      gtk_widget_get_preferred_width(codes.GetHandle(), &least, nullptr);
      EXPECT_GE(codes.GetSize().x, least) << id;
    }
    Click(dialog, wxID_CANCEL);
  });
  EXPECT_EQ(CurrentDoc().GetPrintLayout().top, 0);
  EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
}

}  // namespace
}  // namespace listora::test
