#include "ltbtool/commands.h"
#include "ltbtool/tool_io.h"

namespace ltbtool {

int RunSave(const std::vector<std::string>& raw) {
  OptionSpec known;
  AddPasswordOptions(known);
  AddSaveOptions(known);
  known.withValue.insert("-o");
  const Args args(raw, known);
  if (args.positional().size() != 1) throw UsageError{"save needs exactly one FILE"};
  const std::filesystem::path out = OutputPath(args);
  PasswordSource passwords(args);
  LoadedDocument loaded = LoadForTool(args.positional()[0], passwords);
  RefuseToReplaceDamaged(args.positional()[0], loaded, out);
  const SaveProtection protection = ChooseSaveProtection(args, loaded);
  WriteOutput(out, StoreAsProgram(loaded.doc, protection));
  return kExitOk;
}

}  // namespace ltbtool
