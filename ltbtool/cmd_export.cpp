#include <iostream>
#include <system_error>

#include "core/doc/export.h"
#include "core/doc/xlsx_export.h"
#include "ltbtool/commands.h"
#include "ltbtool/tool_io.h"

namespace ltbtool {

namespace {

listora::ExportEncoding EncodingOption(const Args& args) {
  const std::string name = args.Value("--encoding").value_or("cp932");
  if (name == "cp932") return listora::ExportEncoding::kCp932;
  if (name == "utf-8") return listora::ExportEncoding::kUtf8;
  throw UsageError{"--encoding must be cp932 or utf-8"};
}

}  // namespace

int RunExport(const std::vector<std::string>& raw) {
  OptionSpec known;
  AddPasswordOptions(known);
  known.withValue.insert({"--format", "--encoding", "-o"});
  const Args args(raw, known);
  if (args.positional().size() != 1) throw UsageError{"export needs exactly one FILE"};
  const auto format = args.Value("--format");
  if (!format) throw UsageError{"export needs --format txt|html|csv|xlsx"};
  const std::filesystem::path file = args.positional()[0];
  const std::filesystem::path out = OutputPath(args);
  if (*format != "txt" && *format != "html" && *format != "csv" && *format != "xlsx")
    throw UsageError{"--format must be txt, html, csv or xlsx"};
  const listora::ExportEncoding encoding = EncodingOption(args);
  if (*format == "xlsx" && args.Value("--encoding"))
    throw UsageError{"--encoding is for txt, html and csv; a workbook is always Unicode"};

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
  if (*format == "xlsx") {
    listora::FileError error;
    if (!listora::ExportXlsx(out, doc.settings.columns, doc.items, TitleOf(file), &error,
                             listora::SpecialTarget::kWriteThrough))
      throw ToolError{kExitWriteFailed, error.what};
    return kExitOk;
  }
  std::string bytes;
  if (*format == "txt")
    bytes = listora::ExportText(doc.settings.columns, doc.items, encoding);
  else if (*format == "csv")
    bytes = listora::ExportCsv(doc.settings.columns, doc.items, encoding);
  else
    bytes = listora::ExportHtml(doc.settings.columns,
                                doc.settings.styles.pane[listora::PaneStyles::kList], doc.items,
                                TitleOf(file), encoding);
  WriteOutput(out, bytes);
  return kExitOk;
}

}  // namespace ltbtool
