#include "ui/panes/image_pane.h"

#include <wx/dcbuffer.h>
#include <wx/imaggif.h>
#include <wx/imagjpeg.h>
#include <wx/imagpng.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/mstream.h>

#include <optional>
#include <string>

#include "core/base/file_io.h"
#include "core/base/stored_paths.h"
#include "core/panes/image_files.h"
#include "core/panes/image_info.h"
#include "core/tools/image_paths.h"
#include "ui/base/command_ids.h"
#include "ui/base/command_menu.h"
#include "ui/base/image_chooser.h"
#include "ui/base/messages.h"
#include "ui/base/prompt.h"
#include "ui/doc/listora_doc.h"
#include "ui/panes/image_edit.h"
#include "ui/panes/image_info_dialog.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/pane_events.h"
#include "ui/panes/pane_style.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

void AddImageHandlers() {
  if (!wxImage::FindHandler(wxBITMAP_TYPE_JPEG)) wxImage::AddHandler(new wxJPEGHandler);
  if (!wxImage::FindHandler(wxBITMAP_TYPE_GIF)) wxImage::AddHandler(new wxGIFHandler);
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
}

}  // namespace

ImagePane::ImagePane(wxWindow* parent, const ItemListCtrl& list)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_SUNKEN), list_(list) {
  AddImageHandlers();
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &ImagePane::OnPaint, this);
  Bind(wxEVT_SIZE, &ImagePane::OnSize, this);
  Bind(wxEVT_LEFT_DOWN, &ImagePane::OnLeftDown, this);
  Bind(wxEVT_MOTION, &ImagePane::OnMotion, this);
  Bind(wxEVT_LEFT_UP, &ImagePane::OnLeftUp, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &ImagePane::OnCaptureLost, this);
  Bind(wxEVT_LEFT_DCLICK, &ImagePane::OnLeftDoubleClick, this);
  Bind(wxEVT_CONTEXT_MENU, &ImagePane::OnContextMenu, this);
}

void ImagePane::ApplyStyle(const StoredPaneStyle& style, bool fitToPane) {
  SetBackgroundColour(FromColorRef(style.background));
  fit_ = fitToPane;
  UpdateCursor();
  Refresh();
}

void ImagePane::ShowImage(const std::filesystem::path& file) {
  std::error_code ec;
  if (file.empty() || !std::filesystem::exists(file, ec)) {
    ReleaseImage();
    return;
  }
  currentPath_ = file;
  DropPicture();
  {
    // An undecodable file shows the background only, without a message;
    // so does a FIFO or device, read without waiting for a writer.
    wxLogNull quiet;
    if (const std::optional<std::string> bytes = ReadFileBytes(file)) {
      wxMemoryInputStream stream(bytes->data(), bytes->size());
      image_.LoadFile(stream);
    }
  }
  pan_ = wxPoint();
  UpdateCursor();
  Refresh();
}

void ImagePane::ReleaseImage() {
  DropPicture();
  UpdateCursor();
  Refresh();
}

void ImagePane::DropPicture() {
  EndPan();
  image_ = wxImage();
  actualBitmap_ = wxBitmap();
  fittedBitmap_ = wxBitmap();
}

wxSize ImagePane::PictureSize() const {
  return HasImage() ? wxSize(image_.GetWidth(), image_.GetHeight()) : wxSize();
}

PixelRect ImagePane::DrawnRect(const wxSize& pane) const {
  const wxSize picture = PictureSize();
  return fit_ ? FitPictureRect(picture.x, picture.y, pane.x, pane.y)
              : ActualSizeRect(picture.x, picture.y, pane.x, pane.y);
}

void ImagePane::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(GetBackgroundColour()));
  dc.Clear();
  if (!HasImage()) return;
  const PixelRect rect = DrawnRect(GetClientSize());
  if (rect.width <= 0 || rect.height <= 0) return;
  if (!fit_) {
    if (!actualBitmap_.IsOk()) actualBitmap_ = wxBitmap(image_);
    dc.SetClippingRegion(rect.x, rect.y, rect.width, rect.height);
    dc.DrawBitmap(actualBitmap_, pan_.x, pan_.y, true);
    return;
  }
  if (!fittedBitmap_.IsOk() || fittedBitmap_.GetWidth() != rect.width ||
      fittedBitmap_.GetHeight() != rect.height)
    fittedBitmap_ = wxBitmap(image_.Scale(rect.width, rect.height, wxIMAGE_QUALITY_HIGH));
  dc.DrawBitmap(fittedBitmap_, rect.x, rect.y, true);
}

void ImagePane::OnSize(wxSizeEvent& event) {
  // A larger pane must not show beyond the picture's far edges.
  MovePan(0, 0);
  Refresh();
  event.Skip();
}

void ImagePane::MovePan(long long dx, long long dy) {
  const wxSize pane = GetClientSize();
  const wxSize picture = PictureSize();
  pan_ = wxPoint(ClampPanOffset(pan_.x + dx, pane.x, picture.x),
                 ClampPanOffset(pan_.y + dy, pane.y, picture.y));
}

void ImagePane::UpdateCursor() {
  if (fit_ || !HasImage())
    SetCursor(wxNullCursor);
  else
    SetCursor(wxCursor(panning_ ? wxCURSOR_SIZING : wxCURSOR_HAND));
}

void ImagePane::OnLeftDown(wxMouseEvent& event) {
  event.Skip();
  if (fit_ || !HasImage()) return;
  panning_ = true;
  lastPointer_ = ClientToScreen(event.GetPosition());
  if (!HasCapture()) CaptureMouse();
  UpdateCursor();
}

void ImagePane::OnMotion(wxMouseEvent& event) {
  event.Skip();
  if (!panning_) return;
  const wxPoint pointer = ClientToScreen(event.GetPosition());
  MovePan(pointer.x - lastPointer_.x, pointer.y - lastPointer_.y);
  lastPointer_ = pointer;
  Refresh(false);
}

void ImagePane::OnLeftUp(wxMouseEvent& event) {
  event.Skip();
  EndPan();
}

void ImagePane::OnCaptureLost(wxMouseCaptureLostEvent&) {
  panning_ = false;
  UpdateCursor();
}

void ImagePane::EndPan() {
  if (!panning_) return;
  panning_ = false;
  if (HasCapture()) ReleaseMouse();
  UpdateCursor();
}

void ImagePane::OnLeftDoubleClick(wxMouseEvent& event) {
  EndPan();
  AssociateImage();
  event.Skip();
}

std::unique_ptr<wxMenu> ImagePane::ContextMenu() const {
  if (!HasImage()) return nullptr;
  std::unique_ptr<wxMenu> menu(BuildMenu(MenuId::kImage));
  menu->Check(fit_ ? cmd::kImageFit : cmd::kImageActualSize, true);
  return menu;
}

void ImagePane::OnContextMenu(wxContextMenuEvent& event) {
  const std::unique_ptr<wxMenu> menu = ContextMenu();
  if (!menu) return;
  const wxPoint at =
      event.GetPosition() == wxDefaultPosition ? wxPoint() : ScreenToClient(event.GetPosition());
  PopupMenu(menu.get(), at + wxPoint(5, 5));
}

void ImagePane::OnDisplayMode(wxCommandEvent& event) {
  SetDisplayMode(event.GetId() - cmd::kImageActualSize);
}

void ImagePane::SetDisplayMode(int mode) {
  // The mode belongs to the document's settings but is not an edit of it.
  if (doc_) {
    PaneEvent chosen(EVT_PANE_IMAGE_FIT, GetId());
    chosen.SetInt(mode != 0 ? 1 : 0);
    ProcessWindowEvent(chosen);
  }
  EndPan();
  fit_ = mode != 0;
  UpdateCursor();
  Refresh();
}

void ImagePane::OnEditImage(wxCommandEvent&) {
  if (currentPath_.empty()) return;
  if (LaunchImageEditor(wxString::FromUTF8(currentPath_.string())) == EditorLaunch::kNoApplication)
    ThePrompt().Error(this, Utf8(msg::kNoAssociatedApplication));
}

wxString ImagePane::InfoText() const {
  const wxSize picture = PictureSize();
  return ToWx(ImageInfoText(DescribeImageFile(currentPath_, picture.x, picture.y)));
}

void ImagePane::OnImageInfo(wxCommandEvent&) {
  ImageInfoDialog dialog(this, InfoText());
  dialog.ShowModal();
}

void ImagePane::OnChangeImage(wxCommandEvent&) { AssociateImage(); }

void ImagePane::AssociateImage() {
  if (list_.GetSelectedItemCount() == 0) return;
  const wxString path = ChooseImageFile(nullptr);
  if (!path.empty()) AttachToSelection(path);
}

bool ImagePane::DropImage(const wxString& path) {
  if (list_.GetSelectedItemCount() == 0) return false;
  if (!IsDroppableImageName(path.utf8_string())) return false;
  return AttachToSelection(path);
}

bool ImagePane::AttachToSelection(const wxString& path) {
  if (!doc_) return false;
  const std::vector<int> rows = list_.SelectedRows();
  if (rows.empty()) return false;
  PaneEvent chosen(EVT_PANE_IMAGE, GetId());
  chosen.rows = rows;
  chosen.text = PathText(std::filesystem::path(path.utf8_string()));
  ProcessWindowEvent(chosen);
  if (!chosen.done) return false;
  ShowImage(ResolveImagePath(chosen.text, doc_->Data().settings.display, doc_->ImageFolder()));
  return true;
}

}  // namespace listora
