#include <iostream>

#include "core/base/messages.h"
#include "core/text/encoding.h"
#include "core/tools/find_replace.h"
#include "ltbtool/commands.h"
#include "ltbtool/tool_io.h"

namespace ltbtool {

int RunReplace(const std::vector<std::string>& raw) {
  OptionSpec known;
  AddPasswordOptions(known);
  known.withValue.insert({"--find", "--with", "-o"});
  known.flags.insert("--match-case");
  const Args args(raw, known);
  if (args.positional().size() != 1) throw UsageError{"replace needs exactly one FILE"};
  const auto find = args.Value("--find");
  const auto with = args.Value("--with");
  // The dialog's buttons are disabled while the search text is empty.
  if (!find || find->empty()) throw UsageError{"replace needs a non-empty --find X"};
  if (!with) throw UsageError{"replace needs --with Y (may be empty)"};
  const std::filesystem::path out = OutputPath(args);
  PasswordSource passwords(args);
  LoadedDocument loaded = LoadForTool(args.positional()[0], passwords);
  RefuseToReplaceDamaged(args.positional()[0], loaded, out);
  auto& doc = loaded.doc;

  listora::FindReplaceOptions options;
  options.findText = listora::TextToCp932(*find);
  options.replaceText = listora::TextToCp932(*with);
  options.matchCase = args.Has("--match-case");
  const listora::ReplaceAllResult result =
      listora::ReplaceAll(doc.items, doc.ColumnCount() - 1, options);
  std::cout << listora::msg::kReplaceFinished.Shown() << '\n'
            << result.cells << (result.cells == 1 ? " cell" : " cells") << " replaced\n";
  WriteOutput(out, StoreAsProgram(doc, ChooseSaveProtection(args, loaded)));
  return kExitOk;
}

}  // namespace ltbtool
