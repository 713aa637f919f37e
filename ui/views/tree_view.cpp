#include "ui/views/tree_view.h"

#include <wx/dcmemory.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/toolbar.h>
#include <wx/treectrl.h>

#include "ui/app/command_ids.h"
#include "ui/app/string_table.h"
#include "ui/views/pane_style.h"

namespace listora {

namespace {

wxString ParentCountText(int count) {
  return wxString::Format(wxString::FromUTF8("　親アイテム数:　%d"), count);
}

wxBitmap NumberBitmap(int n) {
  wxBitmap bitmap(16, 15);
  wxMemoryDC dc(bitmap);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  dc.SetFont(wxFontInfo(8).Bold());
  const wxString text = wxString::Format("%d", n);
  const wxSize extent = dc.GetTextExtent(text);
  dc.DrawText(text, (16 - extent.x) / 2, (15 - extent.y) / 2);
  dc.SelectObject(wxNullBitmap);
  return bitmap;
}

}  // namespace

CListoraTree::CListoraTree(wxWindow* parent, bool showToolBar) : wxPanel(parent) {
  toolBar_ =
      new wxToolBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTB_HORIZONTAL | wxTB_FLAT);
  toolBar_->SetToolBitmapSize(wxSize(16, 15));
  for (int n = 1; n <= 4; ++n) {
    const int id = cmd::kTreeGroup1 + n - 1;
    const CommandHelp help = HelpFor(id);
    toolBar_->AddTool(id, wxString::Format("No.%d", n), NumberBitmap(n), help.tip, wxITEM_NORMAL);
    toolBar_->SetToolLongHelp(id, help.prompt);
  }
  toolBar_->AddSeparator();
  parentCount_ = new wxStaticText(toolBar_, cmd::kTreeParentLabel, ParentCountText(0),
                                  wxDefaultPosition, wxSize(110, -1));
  parentCount_->SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
  toolBar_->AddControl(parentCount_);
  toolBar_->Realize();

  tree_ = new wxTreeCtrl(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                         wxTR_DEFAULT_STYLE | wxTR_HIDE_ROOT | wxBORDER_SUNKEN);
  tree_->AddRoot(wxString());

  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(toolBar_, wxSizerFlags().Expand());
  sizer->Add(tree_, wxSizerFlags(1).Expand());
  SetSizer(sizer);
  ShowToolBar(showToolBar);
}

void CListoraTree::ApplyStyle(const ViewStyle& style) { ApplyPaneStyle(*tree_, style); }

void CListoraTree::Clear() {
  tree_->DeleteChildren(tree_->GetRootItem());
  parentCount_->SetLabel(ParentCountText(0));
}

bool CListoraTree::IsToolBarShown() const { return toolBar_->IsShown(); }

void CListoraTree::ShowToolBar(bool show) {
  GetSizer()->Show(toolBar_, show);
  Layout();
}

}  // namespace listora
