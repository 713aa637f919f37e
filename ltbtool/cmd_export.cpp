#include <iostream>
#include <system_error>

#include "core/doc/export.h"
#include "ltbtool/commands.h"
#include "ltbtool/tool_io.h"

namespace ltbtool {

int RunExport(const std::vector<std::string>& raw) {
  OptionSpec known;
  AddPasswordOptions(known);
  known.withValue.insert({"--format", "-o"});
  const Args args(raw, known);
  if (args.positional().size() != 1) throw UsageError{"export needs exactly one FILE"};
  const auto format = args.Value("--format");
  if (!format) throw UsageError{"export needs --format txt|html|csv"};
  const std::filesystem::path file = args.positional()[0];
  const std::filesystem::path out = OutputPath(args);
  if (*format != "txt" && *format != "html" && *format != "csv")
    throw UsageError{"--format must be txt, html or csv"};

  std::error_code ignored;
  if (std::filesystem::equivalent(file, out, ignored))
    throw UsageError{"-o names the input document " + file.string() +
                     "; the export would replace it"};

  PasswordSource passwords(args);
  const LoadedDocument loaded = LoadForTool(file, passwords);
  RefuseToReplaceDamaged(file, loaded, out);
  const auto& doc = loaded.doc;
  // The program's export commands do nothing for an empty table.
  if (doc.items.IsEmpty()) {
    std::cerr << "ltbtool: " << file.string() << ": the document has no items; nothing written\n";
    return kExitOk;
  }
  std::string bytes;
  if (*format == "txt")
    bytes = listora::ExportText(doc.settings.columns, doc.items);
  else if (*format == "csv")
    bytes = listora::ExportCsv(doc.settings.columns, doc.items);
  else
    bytes = listora::ExportHtml(doc.settings.columns,
                                doc.settings.styles.pane[listora::ViewStyles::kList], doc.items,
                                TitleOf(file));
  WriteOutput(out, bytes);
  return kExitOk;
}

}  // namespace ltbtool
