#include "ui/tools/duplicates_dialog.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/display.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/weakref.h>

#include <algorithm>
#include <numeric>

#include "core/doc/document_file.h"
#include "ui/base/messages.h"
#include "ui/base/ok_cancel_row.h"
#include "ui/base/progress_dialog.h"
#include "ui/base/prompt.h"
#include "ui/doc/listora_doc.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/panes/list_icons.h"
#include "ui/text/text_convert.h"
#include "ui/tools/dialog_support.h"

namespace listora {

namespace {

wxColour FromColorRef(std::uint32_t bgr) {
  return wxColour(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

}  // namespace

DuplicateColumnDialog::DuplicateColumnDialog(wxWindow* parent, const Document& data)
    : wxDialog(parent, wxID_ANY, Utf8(Tr("列の選択"))) {
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, Utf8(Tr("重複検索する列を選択してください。(&S)"))),
           wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP));
  choice_ = new wxChoice(this, kColumnChoice);
  for (int column = 1; column < data.ColumnCount(); ++column)
    choice_->Append(ToWx(FixedText(data.settings.columns.names[column])));
  choice_->SetSelection(0);
  choice_->SetToolTip(Utf8(Tr("重複検索したい列を選んでください")));
  top->Add(choice_, wxSizerFlags().Expand().Border());
  const OkCancelRow buttons =
      MakeOkCancelRow(this, {Utf8("&O K"), Utf8(Tr("選択した列内で重複検索します"))},
                      {Utf8(Tr("キャンセル(&C)")), Utf8(Tr("重複検索を中止します"))});
  top->Add(buttons.sizer, wxSizerFlags().Right().Border());
  SetSizerAndFit(top);
  buttons.ok->SetDefault();
  CentreOnParent();
}

int DuplicateColumnDialog::Column() const { return std::max(choice_->GetSelection(), 0) + 1; }

// The result rows, fetched from the table when drawn: a virtual list has
// room for every grouped item.
class DuplicateResultDialog::ResultList : public wxListCtrl {
 public:
  ResultList(DuplicateResultDialog* owner, const Document& data, std::vector<int> columns)
      : wxListCtrl(owner, kResultList, wxDefaultPosition, wxDefaultSize,
                   wxLC_REPORT | wxLC_VIRTUAL),
        owner_(owner),
        data_(data),
        columns_(std::move(columns)) {
    shaded_.SetBackgroundColour(FromColorRef(kShadedGroupBackground));
    EnableCheckBoxes();
    // The headers show the main list's column icons; rows have none.
    AssignImageList(MakeListIcons().release(), wxIMAGE_LIST_SMALL);
  }
  const std::vector<int>& Columns() const { return columns_; }

 protected:
  wxString OnGetItemText(long row, long column) const override {
    const int item = owner_->groups_.items.at(row);
    return ToWx(data_.items.Cell(item, columns_.at(column)));
  }
  wxItemAttr* OnGetItemAttr(long row) const override {
    return IsShadedGroup(owner_->groups_.GroupOfRow(static_cast<int>(row))) ? &shaded_ : nullptr;
  }
  int OnGetItemImage(long) const override { return -1; }
  bool OnGetItemIsChecked(long row) const override {
    return owner_->ticks_.IsTicked(static_cast<int>(row));
  }

 private:
  DuplicateResultDialog* owner_;
  const Document& data_;
  std::vector<int> columns_;
  mutable wxItemAttr shaded_;
};

DuplicateResultDialog::DuplicateResultDialog(const ToolContext& context, int column,
                                             DuplicateGroups groups)
    : ToolDialog(context, Utf8(Tr("重複検索結果")), wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      groups_(std::move(groups)),
      ticks_(groups_.RowCount()) {
  const Document& data = context_.doc->Data();
  const ColumnDescriptors& descriptors = data.settings.columns;
  auto* top = new wxBoxSizer(wxVERTICAL);
  auto* labels = new wxBoxSizer(wxHORIZONTAL);
  auto* rows = new wxStaticText(this, kRowsLabel, Utf8(DuplicateRowsLabel(groups_.RowCount())));
  rows->SetToolTip(Utf8(Tr("現在の総アイテム数です")));
  ticked_ = new wxStaticText(this, kTickedLabel, Utf8(DuplicateTickedLabel(0)));
  ticked_->SetToolTip(Utf8(Tr("現在チェックしたアイテム数です")));
  auto* count =
      new wxStaticText(this, kGroupsLabel, Utf8(DuplicateGroupsLabel(groups_.GroupCount())));
  count->SetToolTip(Utf8(Tr("重複検索の結果で、重複していた組数です")));
  labels->Add(rows, wxSizerFlags().Border(wxRIGHT, 20));
  labels->Add(ticked_, wxSizerFlags().Border(wxRIGHT, 20));
  labels->Add(count);
  top->Add(labels, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 10));

  list_ = new ResultList(this, data, ResultColumns(column, data.ColumnCount() - 1));
  int totalWidth = 0;
  for (std::size_t i = 0; i < list_->Columns().size(); ++i) {
    const int c = list_->Columns()[i];
    wxListItem header;
    header.SetText(ToWx(FixedText(descriptors.names[c])));
    header.SetAlign((descriptors.formats[c] & kFormatRight) ? wxLIST_FORMAT_RIGHT
                                                            : wxLIST_FORMAT_LEFT);
    header.SetWidth(descriptors.widths[c]);
    header.SetImage(ColumnHeaderImage(descriptors, c));
    list_->InsertColumn(static_cast<long>(i), header);
    totalWidth += descriptors.widths[c];
  }
  list_->SetItemCount(groups_.RowCount());
  top->Add(list_, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT | wxTOP, 10));

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  auto* select = new wxButton(this, kSelectButton, Utf8(Tr("チェック項目を選択状態にする(&C)")));
  select->SetToolTip(Utf8(Tr("終了後にチェックした項目をリストビューで選択状態にします")));
  auto* close = new wxButton(this, kCloseButton, Utf8(Tr("終　了(&F)")));
  close->SetToolTip(Utf8(Tr("チェックした項目を破棄して終了します")));
  buttons->Add(select, wxSizerFlags().Border(wxRIGHT));
  buttons->Add(close);
  top->Add(buttons, wxSizerFlags().Centre().Border(wxALL, 10));
  SetSizer(top);

  SetMinSize(wxSize(430, 200));
  const int width = totalWidth + 50;
  // Wide columns would put the buttons off the screen: the list scrolls.
  const int display = wxDisplay::GetFromWindow(GetParent() ? GetParent() : this);
  const wxRect area =
      wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea();
  SetSize(std::clamp(width, 430, std::max(area.width, 430)),
          std::clamp(width * 2 / 3, 200, std::max(area.height, 200)));
  SwallowEnter(*this);
  Bind(wxEVT_BUTTON, &DuplicateResultDialog::OnSelect, this, kSelectButton);
  list_->Bind(wxEVT_LIST_ITEM_CHECKED, [this](wxListEvent& e) { TickRow(e.GetIndex(), true); });
  list_->Bind(wxEVT_LIST_ITEM_UNCHECKED, [this](wxListEvent& e) { TickRow(e.GetIndex(), false); });
}

void DuplicateResultDialog::TickRow(long row, bool ticked) {
  if (row < 0 || row >= groups_.RowCount()) return;
  ticks_.Set(static_cast<int>(row), ticked);
  list_->RefreshItem(row);
  ShowTickedCount();
}

void DuplicateResultDialog::ShowTickedCount() {
  ticked_->SetLabel(Utf8(DuplicateTickedLabel(ticks_.Count())));
}

void DuplicateResultDialog::OnSelect(wxCommandEvent&) {
  context_.list->SetFocusedRow(-1);
  context_.list->SelectRows(ticks_.TickedItems(groups_));
  EndModal(wxID_OK);
}

void RunDuplicateSearch(const ToolContext& context) {
  const Document& data = context.doc->Data();
  if (data.items.IsEmpty() || data.ColumnCount() < 2) return;
  // The column chooser holds no document: whether its own is still open is
  // asked when it ends.
  const wxWeakRef<ListoraDoc> doc = context.doc;
  DuplicateColumnDialog chooser(context.owner, data);
  if (chooser.ShowModal() != wxID_OK || !doc) return;
  const int column = chooser.Column();

  DuplicateGroups groups;
  {
    ProgressRun progress(context.owner);
    progress.Begin(data.items.GetSize());
    groups = FindDuplicates(data.items, column,
                            [&progress](int examined) { return progress.Step(examined); });
  }
  if (groups.GroupCount() == 0) {
    ThePrompt().Info(context.list, Utf8(msg::kNoDuplicates), Utf8(msg::kSearchResultCaption));
    return;
  }
  DuplicateResultDialog result(context, column, std::move(groups));
  result.ShowModal();
}

}  // namespace listora
