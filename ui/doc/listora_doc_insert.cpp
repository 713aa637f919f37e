// Items from paths given to the program: files and folders dropped on the
// list pane, and the paths after "-D" on the command line.

#include <wx/evtloop.h>

#include <chrono>
#include <string>

#include "ui/base/messages.h"
#include "ui/doc/listora_doc.h"

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

InsertResult ListoraDoc::InsertPaths(const std::vector<std::filesystem::path>& paths) {
  EditStep step(history_, std::string(msg::kStepInsertFiles));
  InsertOptions options;
  options.settings = data_.settings.autoInsert;
  options.columnCount = data_.ColumnCount();
  options.skipMask = program_->attributeSkipMask;
  options.cancelled = PaintPump();
  const InsertResult result = listora::InsertPaths(data_.items, options, paths);
  RowsAppended(result.enumerated || result.inserted > 0);
  return result;
}

}  // namespace listora
