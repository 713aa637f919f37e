#pragma once
// `ImagePane`: the image pane. It shows the picture tied to the list's
// current item, at actual size (moved by dragging with the left button) or
// fitted to the pane, and offers through its context menu the display
// modes, editing the file, its information and choosing another image.

#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/window.h>

#include <filesystem>
#include <memory>

#include "core/doc/document_settings.h"
#include "core/panes/image_fit.h"

class wxMenu;

namespace listora {

class ItemListCtrl;
class ListoraDoc;

class ImagePane : public wxWindow {
 public:
  // `list`: the list pane, whose selected items an image is tied to.
  ImagePane(wxWindow* parent, const ItemListCtrl& list);

  // The document edited; null for none.
  void Attach(ListoraDoc* doc) { doc_ = doc; }

  void ApplyStyle(const StoredPaneStyle& style, bool fitToPane);
  // Shows the file of a resolved stored path. A missing file clears the
  // pane and keeps the current path; an unreadable one leaves it empty.
  // Neither is reported.
  void ShowImage(const std::filesystem::path& file);
  void ReleaseImage();

  bool HasImage() const { return image_.IsOk(); }
  const std::filesystem::path& CurrentPath() const { return currentPath_; }
  wxSize PictureSize() const;
  wxPoint PanOffset() const { return pan_; }
  bool FitsToPane() const { return fit_; }
  // Where the picture is drawn in a pane of that size, in the current mode.
  PixelRect DrawnRect(const wxSize& pane) const;

  // The context menu; none while no picture is shown.
  std::unique_ptr<wxMenu> ContextMenu() const;
  // The text of the image information dialog.
  wxString InfoText() const;

  // The image association: the user picks an image file for the selected
  // items.
  void AssociateImage();
  // One file dropped on the pane: a JPEG, BMP or GIF file goes to every
  // selected item. True when it was attached.
  bool DropImage(const wxString& path);

  // The commands of the pane's context menu, bound by the table of commands.
  void OnDisplayMode(wxCommandEvent& event);
  void OnEditImage(wxCommandEvent& event);
  void OnImageInfo(wxCommandEvent& event);
  void OnChangeImage(wxCommandEvent& event);

 private:
  bool AttachToSelection(const wxString& path);
  void SetDisplayMode(int mode);
  void DropPicture();
  // Moves the picture by that much, held within the pane's limits.
  void MovePan(long long dx, long long dy);
  void UpdateCursor();
  void EndPan();

  void OnPaint(wxPaintEvent& event);
  void OnSize(wxSizeEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnCaptureLost(wxMouseCaptureLostEvent& event);
  void OnLeftDoubleClick(wxMouseEvent& event);
  void OnContextMenu(wxContextMenuEvent& event);

  const ItemListCtrl& list_;
  ListoraDoc* doc_ = nullptr;
  std::filesystem::path currentPath_;
  wxImage image_;
  // Made when first drawn, dropped with the picture.
  wxBitmap actualBitmap_;
  wxBitmap fittedBitmap_;
  bool fit_ = true;
  wxPoint pan_;  // both <= 0
  bool panning_ = false;
  wxPoint lastPointer_;  // screen position at the last pan step
};

}  // namespace listora
