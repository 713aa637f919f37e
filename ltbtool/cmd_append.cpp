#include <iostream>

#include "core/doc/append_open.h"
#include "ltbtool/commands.h"
#include "ltbtool/tool_io.h"

namespace ltbtool {

int RunAppend(const std::vector<std::string>& raw) {
  OptionSpec known;
  AddPasswordOptions(known);
  known.withValue.insert("-o");
  const Args args(raw, known);
  if (args.positional().size() < 2) throw UsageError{"append needs FILE and at least one OTHER"};
  const std::filesystem::path out = OutputPath(args);
  PasswordSource passwords(args);
  LoadedDocument loaded = LoadForTool(args.positional()[0], passwords);
  RefuseToReplaceDamaged(args.positional()[0], loaded, out);
  auto& doc = loaded.doc;

  const std::vector<std::filesystem::path> others(args.positional().begin() + 1,
                                                  args.positional().end());
  listora::AppendCallbacks callbacks;
  // Without a way to get a password the file is refused like one left
  // without an answer, and the run goes on.
  callbacks.askPassword = [&](const std::filesystem::path& file) {
    try {
      return passwords.Get(file);
    } catch (const ToolError& error) {
      std::cerr << "ltbtool: " << error.message << '\n';
      return std::string();
    }
  };
  const listora::AppendResult result =
      listora::AppendOpen(others, doc.ColumnCount(), callbacks, doc.items);
  for (const auto& message : result.messages)
    std::cerr << "ltbtool: " << message.file.string() << ": " << message.text << '\n';
  WriteOutput(out, StoreAsProgram(doc, ChooseSaveProtection(args, loaded)));
  std::cout << result.appended << " items appended, " << result.total << " in all\n";
  return kExitOk;
}

}  // namespace ltbtool
