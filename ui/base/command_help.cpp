#include "ui/base/command_help.h"

#include <string_view>

#include "ui/base/messages.h"
#include "ui/text/text_convert.h"

namespace listora {

CommandHelp HelpFor(int id) {
  for (const msg::CommandText& entry : msg::kCommandTexts) {
    if (entry.id != id) continue;
    const std::string_view::size_type split = entry.text.find('\n');
    if (split == std::string_view::npos) return {Utf8(entry.text), wxString()};
    return {Utf8(entry.text.substr(0, split)), Utf8(entry.text.substr(split + 1))};
  }
  return {};
}

}  // namespace listora
