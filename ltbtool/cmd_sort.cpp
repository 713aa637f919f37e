#include "core/doc/columns.h"
#include "core/panes/sort.h"
#include "ltbtool/commands.h"
#include "ltbtool/tool_io.h"

namespace ltbtool {

int RunSort(const std::vector<std::string>& raw) {
  OptionSpec known;
  AddPasswordOptions(known);
  known.withValue.insert({"--column", "--clicks", "-o"});
  const Args args(raw, known);
  if (args.positional().size() != 1) throw UsageError{"sort needs exactly one FILE"};
  const auto column = args.Number("--column");
  if (!column) throw UsageError{"sort needs --column K"};
  const long clicks = args.Number("--clicks").value_or(1);
  // Every click is a full sort; more than a person would click is refused.
  constexpr long kMaxClicks = 100;
  if (clicks < 1 || clicks > kMaxClicks)
    throw UsageError{"--clicks must be 1.." + std::to_string(kMaxClicks)};
  const std::filesystem::path out = OutputPath(args);
  PasswordSource passwords(args);
  LoadedDocument loaded = LoadForTool(args.positional()[0], passwords);
  RefuseToReplaceDamaged(args.positional()[0], loaded, out);
  auto& doc = loaded.doc;
  const int count = doc.ColumnCount();
  if (*column < 0 || *column >= count)
    throw UsageError{"--column must be 0.." + std::to_string(count - 1) + " for this document"};

  // The list's sort flags start at 0.
  listora::SortFlags flags;
  for (long i = 0; i < clicks; ++i)
    listora::ClickColumn(doc.items, doc.settings.columns, flags, static_cast<int>(*column));
  WriteOutput(out, StoreAsProgram(doc, ChooseSaveProtection(args, loaded)));
  return kExitOk;
}

}  // namespace ltbtool
