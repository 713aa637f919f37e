#include "core/doc/append_open.h"

#include <optional>
#include <utility>

#include "core/base/file_io.h"
#include "core/base/messages.h"
#include "core/doc/document_file.h"

namespace listora {

namespace {

struct Refusal {
  std::string_view caption;
  std::string_view text;
};

std::optional<Refusal> RefusalOf(LoadStatus status) {
  switch (status) {
    case LoadStatus::kNotDocument: return Refusal{msg::kAppTitle, msg::kNotLtbAppend};
    case LoadStatus::kBadVersion: return Refusal{msg::kAppTitle, msg::kBadVersion};
    case LoadStatus::kEndedEarly: return Refusal{msg::kAppTitle, msg::kEndedEarly};
    case LoadStatus::kWrongPassword: return Refusal{msg::kErrorCaption, msg::kWrongPassword};
    case LoadStatus::kLoaded:
    case LoadStatus::kCancelled: break;
  }
  return std::nullopt;
}

}  // namespace

AppendResult AppendOpen(std::span<const std::filesystem::path> files, int columnCount,
                        const AppendCallbacks& callbacks, ItemTable& items) {
  AppendResult result;
  const int before = items.GetSize();
  for (const auto& file : files) {
    std::optional<std::string> bytes = ReadFileBytes(file);
    if (!bytes) continue;

    LoadCallbacks load;
    if (callbacks.askPassword) load.askPassword = [&] { return callbacks.askPassword(file); };
    if (callbacks.begin) load.begin = [&](std::uint32_t total) { callbacks.begin(file, total); };
    load.step = callbacks.step;
    // A refused file has added nothing: every check comes before the items.
    const LoadStatus status =
        LoadItemsForAppend(std::move(*bytes), columnCount, load, items).status;
    if (const auto refusal = RefusalOf(status)) {
      result.messages.push_back({file, refusal->caption, refusal->text});
      if (callbacks.refused) callbacks.refused(result.messages.back());
    } else if (status == LoadStatus::kCancelled) {
      result.cancelled = true;
      break;
    }
  }
  result.total = items.GetSize();
  result.appended = result.total - before;
  return result;
}

}  // namespace listora
