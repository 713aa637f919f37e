#include "ui/frame/file_drop.h"

#include <wx/app.h>
#include <wx/docview.h>
#include <wx/weakref.h>

#include <filesystem>
#include <vector>

#include "ui/base/held_input.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/image_pane.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/text_pane.h"
#include "ui/panes/tree_pane.h"

namespace listora {

namespace {

// The open document of the main window `window` lies in.
ListoraDoc* DocumentOf(wxWindow* window) {
  auto* frame = dynamic_cast<wxDocParentFrame*>(wxGetTopLevelParent(window));
  wxDocManager* manager = frame ? frame->GetDocumentManager() : nullptr;
  return manager ? dynamic_cast<ListoraDoc*>(manager->GetCurrentDocument()) : nullptr;
}

// The text after the last "." of the path; the whole path when it has none.
wxString ExtensionOf(const wxString& path) {
  const int dot = path.Find('.', true);
  return dot == wxNOT_FOUND ? path : path.Mid(dot + 1);
}

struct PaneWindow {
  DropPane pane;
  wxWindow* window;
};

std::vector<PaneWindow> PaneWindows(const PaneSet& panes) {
  return {{DropPane::kList, panes.list},
          {DropPane::kTree, panes.tree},
          {DropPane::kText, panes.text},
          {DropPane::kImage, panes.image}};
}

}  // namespace

bool IsSingleDocumentDrop(const wxArrayString& files) {
  return files.size() == 1 && ExtensionOf(files[0]).IsSameAs("ltb", false);
}

DropPane PaneAt(const PaneSet& panes, const wxPoint& screenPoint) {
  for (const PaneWindow& entry : PaneWindows(panes)) {
    if (entry.window && entry.window->IsShownOnScreen() &&
        entry.window->GetScreenRect().Contains(screenPoint))
      return entry.pane;
  }
  return DropPane::kNone;
}

DropPane PaneOf(const PaneSet& panes, const wxWindow* window) {
  const std::vector<PaneWindow> windows = PaneWindows(panes);
  for (; window; window = window->GetParent()) {
    for (const PaneWindow& entry : windows)
      if (entry.window == window) return entry.pane;
  }
  return DropPane::kNone;
}

wxDragResult MainWindowDrop::OnEnter(wxCoord x, wxCoord y, wxDragResult def) {
  return InputHeldElsewhere() ? wxDragNone : wxFileDropTarget::OnEnter(x, y, def);
}

wxDragResult MainWindowDrop::OnDragOver(wxCoord x, wxCoord y, wxDragResult def) {
  return InputHeldElsewhere() ? wxDragNone : wxFileDropTarget::OnDragOver(x, y, def);
}

bool MainWindowDrop::OnDrop(wxCoord x, wxCoord y) {
  return !InputHeldElsewhere() && wxFileDropTarget::OnDrop(x, y);
}

bool MainWindowDrop::OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& files) {
  if (InputHeldElsewhere()) return false;
  // Both are carried out after the drop has ended: they may ask questions
  // and take a while. A dialog opened in between still keeps them out.
  if (IsSingleDocumentDrop(files)) {
    const wxString path = files[0];
    wxWeakRef<wxDocParentFrame> frame(
        dynamic_cast<wxDocParentFrame*>(wxGetTopLevelParent(window_)));
    wxTheApp->CallAfter([path, frame] {
      if (!frame || InputHeldElsewhere()) return;
      frame->Raise();
      frame->GetDocumentManager()->CreateDocument(path, wxDOC_SILENT);
    });
    return true;
  }
  DropPane pane = PaneOf(panes_, window_);
  if (pane == DropPane::kNone) pane = PaneAt(panes_, window_->ClientToScreen(wxPoint(x, y)));
  // Called on the window, so a window gone by then (and the frame's panes
  // with it) drops the call.
  window_->CallAfter([panes = panes_, pane, files] {
    if (!InputHeldElsewhere()) DropOnPane(panes, pane, files);
  });
  return true;
}

void DropOnPane(const PaneSet& panes, DropPane pane, const wxArrayString& files) {
  switch (pane) {
    case DropPane::kList:
      if (ListoraDoc* doc = DocumentOf(panes.list)) {
        std::vector<std::filesystem::path> paths;
        for (const wxString& file : files) paths.emplace_back(file.utf8_string());
        doc->InsertPaths(paths);
      }
      break;
    // Both panes check the selection, and the image pane the file's type.
    case DropPane::kText:
      if (panes.text && files.size() == 1) panes.text->DropFile(files[0]);
      break;
    case DropPane::kImage:
      if (panes.image && files.size() == 1) panes.image->DropImage(files[0]);
      break;
    case DropPane::kTree:
    case DropPane::kNone: break;
  }
}

}  // namespace listora
