#include "ui/views/list_search_run.h"

#include "core/doc/document_file.h"
#include "ui/app/listora_app.h"
#include "ui/app/messages.h"
#include "ui/app/prompt.h"
#include "ui/app/text_convert.h"
#include "ui/doc/listora_doc.h"
#include "ui/frame/main_frame.h"
#include "ui/views/item_list_ctrl.h"

namespace listora {

std::optional<ListSearchResult> RunListSearch(CListoraDoc& doc, std::string_view text) {
  Document& data = doc.Data();
  CItemListCtrl* list = TheApp().Panes().list;
  CMainFrame* frame = TheApp().MainFrame();
  if (!list || !frame) return std::nullopt;
  std::optional<ListSearchResult> result = ListSearch(data.items, data.ColumnCount() - 1, text);
  if (!result) return result;
  // The found rows were sorted to the top.
  list->SelectRowRange(0, result->found - 1);
  doc.Changed(DocHint::Kind::kItems);
  if (result->found > 0) list->EnsureVisible(0);
  ThePrompt().Info(frame, Utf8(result->message), Utf8(msg::kSearchResultCaption));
  return result;
}

}  // namespace listora
