#include <iostream>
#include <optional>
#include <system_error>

#include "core/doc/import_messages.h"
#include "core/doc/table_import.h"
#include "core/text/text_file.h"
#include "ltbtool/commands.h"
#include "ltbtool/tool_io.h"

namespace ltbtool {

namespace {

listora::TextEncoding EncodingOption(const Args& args) {
  using listora::TextEncoding;
  const std::string name = args.Value("--encoding").value_or("auto");
  if (name == "auto") return TextEncoding::kAuto;
  if (name == "cp932") return TextEncoding::kCp932;
  if (name == "utf-8") return TextEncoding::kUtf8;
  if (name == "utf-16") return TextEncoding::kUtf16;
  throw UsageError{"--encoding must be auto, cp932, utf-8 or utf-16"};
}

listora::ImportSeparator SeparatorOption(const Args& args) {
  using listora::ImportSeparator;
  const std::string name = args.Value("--separator").value_or("auto");
  if (name == "auto") return ImportSeparator::kAuto;
  if (name == "comma") return ImportSeparator::kComma;
  if (name == "tab") return ImportSeparator::kTab;
  throw UsageError{"--separator must be auto, comma or tab"};
}

}  // namespace

int RunImport(const std::vector<std::string>& raw) {
  OptionSpec known;
  AddPasswordOptions(known);
  AddSaveOptions(known);
  known.withValue.insert({"-o", "--encoding", "--separator", "--append-to"});
  known.flags.insert("--header");
  const Args args(raw, known);
  if (args.positional().size() != 1) throw UsageError{"import needs exactly one FILE"};
  const std::filesystem::path file = args.positional()[0];
  const std::filesystem::path out = OutputPath(args);
  const listora::TextEncoding encoding = EncodingOption(args);
  const listora::ImportSeparator separator = SeparatorOption(args);
  std::error_code ignored;
  if (std::filesystem::equivalent(file, out, ignored))
    throw UsageError{"-o names the file to import " + file.string() + "; it would be replaced"};

  // The document the items go to, and how it is saved, are settled before
  // the file is read, so nothing is read in vain.
  LoadedDocument target;
  SaveProtection protection;
  const std::optional<std::string> appendTo = args.Value("--append-to");
  if (appendTo) {
    PasswordSource passwords(args);
    target = LoadForTool(*appendTo, passwords);
    protection = ChooseSaveProtection(args, target);
  } else {
    const listora::SettingsFile profile = ProgramSettings();
    protection = NewDocumentProtection(args, profile);
    listora::ResetDocumentSettings(profile, target.doc.settings);
  }
  listora::Document& doc = target.doc;

  listora::DecodedText text = listora::DecodeTextFile(ReadInput(file), encoding);
  if (text.badLine != 0)
    throw ToolError{kExitRefused, file.string() + ": " +
                                      listora::ImportBadBytesMessage(text.badLine, text.encoding)};
  listora::ImportOptions options;
  options.separator = listora::ChooseSeparator(text.cp932, file, separator);
  options.header = args.Has("--header") || listora::IsExportLayout(text.cp932, options.separator);
  if (appendTo) options.columns = doc.ColumnCount() - 1;
  const listora::ImportedTable table = listora::ImportRecords(text.cp932, options);
  // The items hold their own copy; the file's text goes before the store
  // makes a third.
  std::string().swap(text.cp932);
  if (table.status == listora::ImportStatus::kUnterminatedQuote)
    throw ToolError{kExitRefused,
                    file.string() + ": " + listora::ImportOpenQuoteMessage(table.errorLine)};
  if (table.leftOut > 0)
    std::cerr << "ltbtool: " << file.string() << ": "
              << listora::ImportFieldsLeftOutMessage(table.leftOut) << '\n';

  if (!appendTo) listora::SetImportedColumns(table, doc.settings.columns);
  table.AppendTo(doc.items);
  std::cout << table.Size() << " items imported, " << doc.items.GetSize() << " in all\n";
  WriteOutput(out, StoreAsProgram(doc, protection));
  return kExitOk;
}

}  // namespace ltbtool
