#include "ui/app/settings/settings_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/treectrl.h>

#include "core/base/settings_file.h"
#include "ui/app/listora_app.h"
#include "ui/app/settings/bars_page.h"
#include "ui/app/settings/image_pane_page.h"
#include "ui/app/settings/image_path_page.h"
#include "ui/app/settings/pane_style_page.h"
#include "ui/app/settings/startup_page.h"
#include "ui/app/settings/system_page.h"
#include "ui/app/settings/visibility_page.h"
#include "ui/base/messages.h"
#include "ui/base/ok_cancel_row.h"
#include "ui/base/prompt.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

enum PageKind {
  kPaneStylePage,
  kVisibilityPage,
  kBarsPage,
  kImagePanePage,
  kStartupPage,
  kSystemPage,
  kImagePathPage
};

struct EntryInfo {
  Text label;
  int parent;  // entry index, -1 for a root
  PageKind page;
  bool document;
  StyledPane pane;
};

constexpr EntryInfo kEntries[SettingsDialog::kEntryCount] = {
    {Tx("デフォルト設定"), -1, kStartupPage, false, StyledPane::kList},
    {Tx("起動位置とサイズ"), 0, kStartupPage, false, StyledPane::kList},
    {Tx("リストビュー"), 0, kPaneStylePage, false, StyledPane::kList},
    {Tx("ツリービュー"), 0, kPaneStylePage, false, StyledPane::kTree},
    {Tx("テキストビュー"), 0, kPaneStylePage, false, StyledPane::kText},
    {Tx("イメージビュー"), 0, kImagePanePage, false, StyledPane::kList},
    {Tx("バーとアイコンの表示"), 0, kBarsPage, false, StyledPane::kList},
    {Tx("ビューの表示と分割位置"), 0, kVisibilityPage, false, StyledPane::kList},
    {Tx("画像ファィルのパス設定"), 0, kImagePathPage, false, StyledPane::kList},
    {Tx("ドキュメント設定"), -1, kPaneStylePage, true, StyledPane::kList},
    {Tx("リストビュー"), 9, kPaneStylePage, true, StyledPane::kList},
    {Tx("ツリービュー"), 9, kPaneStylePage, true, StyledPane::kTree},
    {Tx("テキストビュー"), 9, kPaneStylePage, true, StyledPane::kText},
    {Tx("イメージビュー"), 9, kImagePanePage, true, StyledPane::kList},
    {Tx("バーとアイコンの表示"), 9, kBarsPage, true, StyledPane::kList},
    {Tx("ビューの表示と分割位置"), 9, kVisibilityPage, true, StyledPane::kList},
    {Tx("画像ファィルのパス設定"), 9, kImagePathPage, true, StyledPane::kList},
    {Tx("システム設定"), -1, kSystemPage, false, StyledPane::kList},
};

class EntryData : public wxTreeItemData {
 public:
  explicit EntryData(SettingsDialog::Entry entry) : entry(entry) {}
  SettingsDialog::Entry entry;
};

// The document's file; empty for a document never saved (whose "file
// name" is its title).
std::filesystem::path DocumentPath(const ListoraDoc& doc) {
  const std::filesystem::path file = doc.GetFilename().utf8_string();
  return file.is_absolute() ? file : std::filesystem::path();
}

}  // namespace

SettingsDialog::SettingsDialog(MainFrame* frame, ListoraDoc& doc)
    : wxDialog(frame, wxID_ANY, Utf8(Tr("環境設定"))), frame_(frame), doc_(doc) {
  const SettingsFile& settingsFile = TheApp().Program().settingsFile;
  defaults_ = ReadDefaultSet(settingsFile);
  startup_ = ReadStartupSettings(settingsFile);
  protection_ = ReadProtectionSettings(settingsFile);
  document_ = DocumentSet(doc.Data().settings);
  if (frame_) {
    // Which panes are shown and where the splitters are: as the screen has them now.
    PaneGrid& grid = frame_->Panes();
    document_.showList = grid.IsVisible(PaneId::kList);
    document_.showTree = grid.IsVisible(PaneId::kTree);
    document_.showText = grid.IsVisible(PaneId::kText);
    document_.showImage = grid.IsVisible(PaneId::kImage);
    PaneLayout now = doc.Data().settings.layout;
    grid.CaptureSplits(now);
    document_.split1 = now.split1;
    document_.split2 = now.split2;
    document_.split3 = now.split3;
  }

  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* body = new wxBoxSizer(wxHORIZONTAL);
  auto* left = new wxBoxSizer(wxVERTICAL);
  left->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("設定項目(&P)"))));
  tree_ = new wxTreeCtrl(this, kTree, wxDefaultPosition, wxSize(200, 360),
                         wxTR_DEFAULT_STYLE | wxTR_HIDE_ROOT | wxTR_SINGLE);
  left->Add(tree_, wxSizerFlags(1).Expand().Border(wxTOP, 4));
  body->Add(left, wxSizerFlags().Expand().Border());

  const auto splitsNow = [this](std::int32_t(&splits)[3]) {
    PaneLayout now = doc_.Data().settings.layout;
    if (frame_) frame_->Panes().CaptureSplits(now);
    splits[0] = now.split1;
    splits[1] = now.split2;
    splits[2] = now.split3;
  };
  const auto rectNow = [this](std::int32_t(&rect)[4]) {
    const wxRect r = frame_ ? frame_->GetRect() : wxRect();
    rect[0] = r.x;
    rect[1] = r.y;
    rect[2] = r.width;
    rect[3] = r.height;
  };
  auto* pageArea = new wxBoxSizer(wxVERTICAL);
  pages_ = {new PaneStylePage(this),
            new VisibilityPage(this, splitsNow),
            new BarsPage(this),
            new ImagePanePage(this),
            new StartupPage(this, startup_, rectNow),
            new SystemPage(this, protection_),
            new ImagePathPage(this, DocumentPath(doc), TheApp().ExecutableDir())};
  for (SettingsPage* page : pages_) {
    pageArea->Add(page, wxSizerFlags(1).Expand());
    page->Hide();
  }
  body->Add(pageArea, wxSizerFlags(1).Expand().Border());
  top->Add(body, wxSizerFlags(1).Expand());

  auto* apply = new wxButton(this, kApply, Utf8(Tr("設定反映(&R)")));
  apply->SetToolTip(Utf8(Tr("現在の設定を反映させます")));
  const OkCancelRow buttons = MakeOkCancelRow(
      this, {Utf8("&O K"), Utf8(Tr("現在の内容で設定し終了します"))},
      {Utf8(Tr("キャンセル(&C)")), Utf8(Tr("現在の内容を破棄して設定を終了します"))});
  buttons.sizer->Prepend(apply, wxSizerFlags().Border(wxRIGHT));
  top->Add(buttons.sizer, wxSizerFlags().Right().Border());

  const wxTreeItemId root = tree_->AddRoot("");
  for (int i = 0; i < kEntryCount; ++i) {
    const EntryInfo& info = kEntries[i];
    const wxTreeItemId parent = info.parent < 0 ? root : items_[info.parent];
    items_.push_back(
        tree_->AppendItem(parent, Utf8(info.label), -1, -1, new EntryData(static_cast<Entry>(i))));
  }
  tree_->Expand(items_[kDefaults]);
  tree_->Expand(items_[kDocument]);

  SetSizerAndFit(top);
  tree_->Bind(wxEVT_TREE_SEL_CHANGING, &SettingsDialog::OnSelecting, this);
  tree_->Bind(wxEVT_TREE_SEL_CHANGED, &SettingsDialog::OnSelected, this);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { Apply(); }, kApply);
  Bind(
      wxEVT_BUTTON,
      [this](wxCommandEvent&) {
        if (Apply()) EndModal(wxID_OK);
      },
      wxID_OK);
  ShowPage(kDocumentList);
  tree_->SelectItem(items_[kDocumentList]);
  CentreOnParent();
}

SettingsPage* SettingsDialog::PageOf(Entry entry) const { return pages_[kEntries[entry].page]; }

bool SettingsDialog::ShowEntry(Entry entry) {
  tree_->SelectItem(items_[entry]);
  return current_ == entry;
}

void SettingsDialog::OnSelecting(wxTreeEvent& event) {
  // A page with a refused value stays until it is put right.
  if (!PageOf(current_)->StoreSet()) event.Veto();
}

void SettingsDialog::OnSelected(wxTreeEvent& event) {
  const auto* data = dynamic_cast<EntryData*>(tree_->GetItemData(event.GetItem()));
  if (data && data->entry != current_) ShowPage(data->entry);
}

void SettingsDialog::ShowPage(Entry entry) {
  for (SettingsPage* page : pages_) page->Hide();
  current_ = entry;
  const EntryInfo& info = kEntries[entry];
  SettingsPage* page = PageOf(entry);
  page->ShowSet(info.document ? document_ : defaults_, info.pane);
  page->Show();
  Layout();
}

bool SettingsDialog::Apply() {
  if (!PageOf(current_)->StoreSet()) return false;
  if (!WriteDefaults(TheApp().Program().settingsFile, defaults_, startup_, protection_)) {
    ThePrompt().Error(this, Utf8(msg::kCannotWriteSettings));
  }
  doc_.ApplySettings(document_);
  return true;
}

}  // namespace listora
