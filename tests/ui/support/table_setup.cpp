#include "ui/support/table_setup.h"

#include <wx/docview.h>
#include <wx/headerctrl.h>

#include "core/base/settings_file.h"
#include "core/doc/document_file.h"
#include "support/test_support.h"
#include "ui/app/listora_app.h"
#include "ui/app/listora_doc_manager.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/panes/item_list_ctrl.h"
#include "ui/support/gui_app.h"
#include "ui/support/scripted_prompt.h"
#include "ui/text/text_convert.h"

namespace listora::test {

ItemListCtrl& TheList() { return *App().Frame()->PaneWindows().list; }
// The one way into a document's data besides its edit methods.
struct DocumentSetup {
  static Document& Data(ListoraDoc& doc) { return doc.data_; }
  static std::filesystem::path& ImageFolder(ListoraDoc& doc) { return doc.imageFolder_; }
};

Document& TheData() { return DocumentSetup::Data(CurrentDoc()); }

std::filesystem::path& TheImageFolder() { return DocumentSetup::ImageFolder(CurrentDoc()); }

void StartWithColumns(int userColumns) {
  StartFresh();
  SettingsFile(SettingsPath()).WriteInt("Column", "Count", userColumns + 1);
  App().DocManager()->CreateDocument(wxString(), wxDOC_NEW);
  Pump();
  Script().Reset();
}

void AddRows(const std::vector<std::vector<std::string>>& rows) {
  for (const auto& texts : rows) {
    ItemFields item;
    item.columns[0] = "0";
    for (std::size_t c = 0; c < texts.size(); ++c) item.columns[c + 1] = Sj(texts[c]);
    TheData().items.AppendRow(item);
  }
  CurrentDoc().Changed(DocHint::Kind::kItems);
  Pump();
}

void SelectRows(std::initializer_list<int> rows) {
  TheList().SelectRows(std::vector<int>(rows.begin(), rows.end()));
  Pump();
}

std::vector<std::string> ColumnOf(int column) {
  std::vector<std::string> texts;
  for (int row = 0; row < TheData().items.GetSize(); ++row)
    texts.push_back(ToWx(TheData().items.Cell(row, column)).utf8_string());
  return texts;
}

std::vector<std::string> RowOf(int row) {
  std::vector<std::string> texts;
  for (int column = 1; column < TheData().ColumnCount(); ++column)
    texts.push_back(ToWx(TheData().items.Cell(row, column)).utf8_string());
  return texts;
}

void DragColumnBorder(int column, int width) {
  wxHeaderCtrl* header = TheList().Header();
  wxHeaderCtrlEvent resize(wxEVT_HEADER_END_RESIZE, header->GetId());
  resize.SetEventObject(header);
  resize.SetColumn(column);
  resize.SetWidth(width);
  header->GetEventHandler()->ProcessEvent(resize);
  Pump();
}

}  // namespace listora::test
