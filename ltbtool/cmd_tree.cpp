#include <iostream>
#include <string_view>

#include "core/panes/grouping.h"
#include "core/text/encoding.h"
#include "ltbtool/commands.h"
#include "ltbtool/tool_io.h"

namespace ltbtool {

int RunTree(const std::vector<std::string>& raw) {
  OptionSpec known;
  AddPasswordOptions(known);
  known.withValue.insert("--position");
  const Args args(raw, known);
  if (args.positional().size() != 1) throw UsageError{"tree needs exactly one FILE"};
  const auto position = args.Number("--position");
  if (!position || *position < 1 || *position > 4) throw UsageError{"tree needs --position 1..4"};
  PasswordSource passwords(args);
  const LoadedDocument loaded = LoadForTool(args.positional()[0], passwords);

  // A freshly opened document shows its columns in stored order.
  const std::vector<int> order = listora::StoredDisplayOrder(loaded.doc.settings.columns);
  const auto tree =
      listora::BuildGroupingTree(loaded.doc.items, order, static_cast<int>(*position));
  // Like the grouping command, an empty table or a missing position yields nothing.
  if (!tree) return kExitOk;
  // Written a piece at a time: the whole text of a large tree would double
  // the memory the tree takes.
  bool written = false;
  listora::WriteTreeText(*tree, [&](std::string_view piece) {
    std::cout << listora::Cp932ToUtf8(piece);
    written = true;
  });
  if (written) std::cout << "\r\n";
  FlushStandardOutput();
  return kExitOk;
}

}  // namespace ltbtool
