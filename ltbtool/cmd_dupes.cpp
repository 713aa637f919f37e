#include <iostream>

#include "core/tools/duplicates.h"
#include "ltbtool/commands.h"
#include "ltbtool/json_writer.h"
#include "ltbtool/tool_io.h"

namespace ltbtool {

int RunDupes(const std::vector<std::string>& raw) {
  OptionSpec known;
  AddPasswordOptions(known);
  known.withValue.insert("--column");
  const Args args(raw, known);
  if (args.positional().size() != 1) throw UsageError{"dupes needs exactly one FILE"};
  const auto column = args.Number("--column");
  if (!column) throw UsageError{"dupes needs --column K"};
  PasswordSource passwords(args);
  const LoadedDocument loaded = LoadForTool(args.positional()[0], passwords);
  const int userColumns = loaded.doc.ColumnCount() - 1;
  if (*column < 1 || *column > userColumns)
    throw UsageError{"--column must be 1.." + std::to_string(userColumns) + " for this document"};

  const listora::DuplicateGroups groups =
      listora::FindDuplicates(loaded.doc.items, static_cast<int>(*column));
  JsonWriter json(std::cout);
  json.BeginObject();
  json.Key("column");
  json.Number(*column);
  json.Key("groups");
  json.BeginArray();
  for (int g = 0; g < groups.GroupCount(); ++g) {
    json.BeginArray();
    for (const int row : groups.Group(g)) json.Number(row);
    json.EndArray();
  }
  json.EndArray();
  json.EndObject();
  FlushStandardOutput();
  return kExitOk;
}

}  // namespace ltbtool
