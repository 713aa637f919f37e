#include "ui/frame/main_tool_bar.h"

#include <wx/artprov.h>
#include <wx/dcmemory.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/toolbar.h>
#include <wx/wrapsizer.h>

#include <algorithm>

#include "ui/base/command_ids.h"
#include "ui/base/command_menu.h"
#include "ui/base/messages.h"
#include "ui/frame/search_box.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

constexpr int kButtonSize = 20;

// The themed icon when the desktop has one, else a labelled square, so the
// bar works with any icon theme (or none).
wxBitmap ToolBitmap(const wxArtID& art, const wxString& fallback) {
  wxBitmap bitmap = wxArtProvider::GetBitmap(art, wxART_TOOLBAR, wxSize(kButtonSize, kButtonSize));
  if (bitmap.IsOk()) return bitmap;
  bitmap.Create(kButtonSize, kButtonSize);
  wxMemoryDC dc(bitmap);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  dc.SetPen(*wxGREY_PEN);
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  dc.DrawRectangle(1, 1, kButtonSize - 2, kButtonSize - 2);
  dc.SetFont(wxFontInfo(8));
  const wxSize extent = dc.GetTextExtent(fallback);
  dc.DrawText(fallback, (kButtonSize - extent.x) / 2, (kButtonSize - extent.y) / 2);
  dc.SelectObject(wxNullBitmap);
  return bitmap;
}

// The command's button, its kind, texts and icon from the table of
// commands.
void AddButton(wxToolBar& bar, const Command& command) {
  const wxString letter(command.tool.letter);
  bar.AddTool(command.id, wxString(), ToolBitmap(command.tool.art, letter), Utf8(command.tip),
              command.kind);
  bar.SetToolLongHelp(command.id, Utf8(command.prompt));
}

// 120 pixels wide, or wider where the desktop's font needs it for a
// seven-digit count, so the text never wraps.
wxStaticText* AddLabel(wxWindow& parent, wxSizer& row, int id, wxString (*textFor)(int count)) {
  auto* label = new wxStaticText(&parent, id, textFor(0), wxDefaultPosition, wxDefaultSize,
                                 wxST_NO_AUTORESIZE);
  label->SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
  const int width = std::max(120, label->GetTextExtent(textFor(8888888)).x + 8);
  label->SetMinSize(wxSize(width, -1));
  row.Add(label, wxSizerFlags().CentreVertical());
  return label;
}

void AddButtons(wxToolBar& bar, MainToolBarControls& controls) {
  bar.SetToolBitmapSize(wxSize(kButtonSize, kButtonSize));
  for (const Command* command : ToolBarCommands(ToolBarId::kMain)) {
    if (command->tool.line) bar.AddSeparator();
    // The search box stands in front of the button that searches for its
    // text.
    if (command->id == cmd::kSearch) {
      controls.searchBox = new SearchBox(&bar, cmd::kSearchBox, wxSize(110, -1));
      controls.searchBox->SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
      bar.AddControl(controls.searchBox);
    }
    AddButton(bar, *command);
  }
}

}  // namespace

wxString TotalCountText(int count) { return wxString::Format(Utf8(msg::kTotalCount), count); }

wxString SelectedCountText(int count) { return wxString::Format(Utf8(msg::kSelectedCount), count); }

MainToolBarControls CreateMainToolBar(wxWindow& frame) {
  MainToolBarControls controls;
  auto* panel = new wxPanel(&frame);
  controls.bar = panel;
  controls.tools = new wxToolBar(panel, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                 wxTB_HORIZONTAL | wxTB_FLAT | wxTB_NODIVIDER);
  AddButtons(*controls.tools, controls);
  controls.tools->Realize();

  auto* labels = new wxBoxSizer(wxHORIZONTAL);
  controls.totalCount = AddLabel(*panel, *labels, cmd::kTotalCountLabel, TotalCountText);
  labels->Add(new wxStaticLine(panel, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxLI_VERTICAL),
              wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 4));
  controls.selectedCount = AddLabel(*panel, *labels, cmd::kSelectedCountLabel, SelectedCountText);

  auto* row = new wxWrapSizer(wxHORIZONTAL);
  row->Add(controls.tools, wxSizerFlags().CentreVertical());
  row->Add(labels, wxSizerFlags().CentreVertical().Border(wxLEFT | wxRIGHT, 4));
  panel->SetSizer(row);
  return controls;
}

}  // namespace listora
