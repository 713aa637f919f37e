#include <iostream>

#include "core/text/encoding.h"
#include "core/tools/list_search.h"
#include "ltbtool/commands.h"
#include "ltbtool/tool_io.h"

namespace ltbtool {

int RunSearch(const std::vector<std::string>& raw) {
  OptionSpec known;
  AddPasswordOptions(known);
  known.withValue.insert({"--text", "-o"});
  const Args args(raw, known);
  if (args.positional().size() != 1) throw UsageError{"search needs exactly one FILE"};
  const auto text = args.Value("--text");
  if (!text) throw UsageError{"search needs --text T"};
  const std::filesystem::path out = OutputPath(args);
  PasswordSource passwords(args);
  LoadedDocument loaded = LoadForTool(args.positional()[0], passwords);
  RefuseToReplaceDamaged(args.positional()[0], loaded, out);
  auto& doc = loaded.doc;

  // An empty text or table changes nothing; OUT still gets the document.
  if (const auto result =
          listora::ListSearch(doc.items, doc.ColumnCount() - 1, listora::TextToCp932(*text))) {
    doc.history.insert(doc.history.begin(), result->text);
    std::cout << result->message << '\n';
  }
  WriteOutput(out, StoreAsProgram(doc, ChooseSaveProtection(args, loaded)));
  return kExitOk;
}

}  // namespace ltbtool
