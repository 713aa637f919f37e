#include "ui/frame/recent_file_menu.h"

#include <wx/filehistory.h>
#include <wx/menu.h>

#include "core/base/translation.h"
#include "ui/base/command_ids.h"
#include "ui/base/recent_files.h"
#include "ui/text/text_convert.h"

namespace listora {

namespace {

bool IsRecentFileEntry(int id) {
  return id >= cmd::kRecentFile1 && id < cmd::kRecentFile1 + kRecentFileCount;
}

}  // namespace

void AppendRecentFilePlaceholder(wxMenu& file) {
  file.Append(cmd::kRecentFile1, Utf8(Tr("最近使ったファイル")))->Enable(false);
}

void ShowRecentFiles(wxMenu& file, const wxFileHistory& history) {
  size_t position = file.GetMenuItemCount();
  for (size_t i = file.GetMenuItemCount(); i-- > 0;) {
    wxMenuItem* item = file.FindItemByPosition(i);
    if (!IsRecentFileEntry(item->GetId())) continue;
    position = i;
    file.Destroy(item);
  }
  const size_t count = std::min<size_t>(history.GetCount(), kRecentFileCount);
  if (count == 0) {
    file.Insert(position, cmd::kRecentFile1, Utf8(Tr("最近使ったファイル")))->Enable(false);
    return;
  }
  for (size_t i = 0; i < count; ++i) {
    // "&" in a path would be read as a mnemonic.
    wxString path = history.GetHistoryFile(i);
    path.Replace("&", "&&");
    file.Insert(position + i, cmd::kRecentFile1 + static_cast<int>(i),
                wxString::Format("&%zu %s", i + 1, path));
  }
}

}  // namespace listora
