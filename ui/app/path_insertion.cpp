#include "ui/app/path_insertion.h"

#include <wx/evtloop.h>

#include <chrono>

#include "ui/app/listora_app.h"
#include "ui/doc/listora_doc.h"
#include "ui/views/item_list_ctrl.h"

namespace listora {

namespace {

// Keeps the window painted during a long run. Only paint and layout events
// are let through: a command or a second drop arriving mid-run could close
// the document whose table is being filled. Nothing offers a cancel.
class PaintPump {
 public:
  bool operator()() {
    const auto now = std::chrono::steady_clock::now();
    if (now - last_ >= std::chrono::milliseconds(50)) {
      last_ = now;
      if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) loop->YieldFor(wxEVT_CATEGORY_UI);
    }
    return false;
  }

 private:
  std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};

}  // namespace

InsertResult InsertPathsIntoDocument(CListoraDoc& doc,
                                     const std::vector<std::filesystem::path>& paths) {
  CListoraApp& app = TheApp();
  Document& data = doc.Data();
  InsertOptions options;
  options.settings = data.settings.autoInsert;
  options.columnCount = data.ColumnCount();
  options.skipMask = app.AttributeSkipMask();
  options.cancelled = PaintPump();
  const InsertResult result = InsertPaths(data.items, options, paths);

  doc.Changed(DocHint::Kind::kItems);
  if (CItemListCtrl* list = app.Panes().list; list && list->GetItemCount() > 0)
    list->EnsureVisible(list->GetItemCount() - 1);
  if (result.enumerated || result.inserted > 0) doc.MarkModified();
  return result;
}

void RunCommandLineInsertion(CListoraDoc& doc) {
  CListoraApp& app = TheApp();
  if (!app.CommandLineInsertFlag()) return;
  app.CommandLineInsertFlag() = false;
  std::vector<std::filesystem::path> paths;
  for (const std::string& path : app.CommandLineInsertPaths()) paths.emplace_back(path);
  app.CommandLineInsertPaths().clear();
  InsertPathsIntoDocument(doc, paths);
}

}  // namespace listora
