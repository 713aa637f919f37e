#include <iostream>
#include <iterator>
#include <limits>
#include <optional>
#include <system_error>

#include "core/base/message_format.h"
#include "core/base/translation.h"
#include "core/doc/file_import.h"
#include "core/doc/import_messages.h"
#include "core/doc/table_import.h"
#include "core/text/text_file.h"
#include "ltbtool/commands.h"
#include "ltbtool/tool_io.h"

namespace ltbtool {

namespace {

using listora::TextEncoding;

// The names --encoding takes, in the order of the enum.
constexpr const char* kEncodingNames[] = {"auto",   "cp932",  "utf-8",
                                          "utf-16", "euc-jp", "windows-1252"};

TextEncoding EncodingOption(const Args& args) {
  const std::string name = args.Value("--encoding").value_or("auto");
  for (std::size_t i = 0; i < std::size(kEncodingNames); ++i)
    if (name == kEncodingNames[i]) return static_cast<TextEncoding>(i);
  throw UsageError{"--encoding must be auto, cp932, utf-8, utf-16, euc-jp or windows-1252"};
}

// Which --encoding would read a refused file.
std::string ReadersHint(const std::vector<TextEncoding>& readers) {
  std::string options;
  for (TextEncoding encoding : readers)
    options += std::string(options.empty() ? "" : listora::Tr(" または ")) + "--encoding " +
               kEncodingNames[static_cast<int>(encoding)];
  if (options.empty()) return options;
  return " " + listora::FormatMessage(listora::Tr("%s で読めます。"), options.c_str());
}

listora::ImportChoices ReadingOptions(const Args& args) {
  using listora::ImportSeparator;
  listora::ImportChoices choices;
  const std::string separator = args.Value("--separator").value_or("auto");
  if (separator == "auto") {
    choices.separator = ImportSeparator::kAuto;
  } else if (separator == "comma") {
    choices.separator = ImportSeparator::kComma;
  } else if (separator == "tab") {
    choices.separator = ImportSeparator::kTab;
  } else if (separator == "semicolon") {
    choices.separator = ImportSeparator::kSemicolon;
  } else if (separator == "space") {
    choices.separator = ImportSeparator::kSpace;
  } else if (separator.size() == 1 && separator[0] > ' ' && separator[0] < 0x7F &&
             separator[0] != '"') {
    choices.separator = ImportSeparator::kOther;
    choices.other = separator[0];
  } else {
    throw UsageError{
        "--separator must be auto, comma, tab, semicolon, space or one ASCII character other "
        "than '\"'"};
  }
  const std::string quote = args.Value("--quote").value_or("\"");
  if (quote != "\"" && quote != "none") throw UsageError{"--quote must be '\"' or none"};
  choices.quotes = quote == "\"";
  if (const auto skip = args.Number("--skip")) {
    if (*skip < 0 || *skip > std::numeric_limits<int>::max())
      throw UsageError{"--skip must be a count of lines"};
    choices.skip = static_cast<int>(*skip);
  }
  if (args.Has("--comments")) choices.comments = true;
  if (args.Has("--header") && args.Has("--no-header"))
    throw UsageError{"--header and --no-header exclude each other"};
  if (args.Has("--header")) choices.header = true;
  if (args.Has("--no-header")) choices.header = false;
  return choices;
}

}  // namespace

int RunImport(const std::vector<std::string>& raw) {
  OptionSpec known;
  AddPasswordOptions(known);
  AddSaveOptions(known);
  known.withValue.insert({"-o", "--encoding", "--separator", "--append-to", "--skip", "--quote"});
  known.flags.insert({"--header", "--no-header", "--comments"});
  const Args args(raw, known);
  if (args.positional().size() != 1) throw UsageError{"import needs exactly one FILE"};
  const std::filesystem::path file = args.positional()[0];
  const std::filesystem::path out = OutputPath(args);
  const TextEncoding encoding = EncodingOption(args);
  const listora::ImportChoices choices = ReadingOptions(args);
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
    RefuseToReplaceDamaged(*appendTo, target, out);
    protection = ChooseSaveProtection(args, target);
  } else {
    const listora::SettingsFile settingsFile = ProgramSettings();
    protection = NewDocumentProtection(args, settingsFile);
    listora::ResetDocumentSettings(settingsFile, target.doc.settings);
  }
  listora::Document& doc = target.doc;

  listora::FileImport fromFile = listora::ImportTextFile(
      file, encoding, choices, appendTo ? doc.ColumnCount() - 1 : listora::kMaxColumns - 1);
  if (!fromFile.read) throw ToolError{kExitRefused, fromFile.error.what};
  const listora::TextReading& text = fromFile.text;
  if (text.badLine != 0)
    throw ToolError{kExitRefused, file.string() + ": " +
                                      listora::ImportBadBytesMessage(text.badLine, text.encoding) +
                                      ReadersHint(text.readers)};
  listora::ImportedTable& table = fromFile.table;
  if (table.status == listora::ImportStatus::kUnterminatedQuote)
    throw ToolError{kExitRefused,
                    file.string() + ": " + listora::ImportOpenQuoteMessage(table.errorLine)};
  if (table.status == listora::ImportStatus::kStrayQuote)
    throw ToolError{kExitRefused,
                    file.string() + ": " +
                        listora::ImportStrayQuoteMessage(table.errorLine, table.closingLine)};
  const auto note = [&](const std::string& message) {
    std::cerr << "ltbtool: " << file.string() << ": " << message << '\n';
  };
  if (table.namesLine > 0) note(listora::ImportNamesLineMessage(table.namesLine));
  if (table.cutNames > 0) note(listora::ImportNamesCutMessage(table.cutNames));
  if (table.leftOut > 0) note(listora::ImportFieldsLeftOutMessage(table.leftOut));

  if (!appendTo) listora::SetImportedColumns(table, doc.settings.columns);
  table.AppendTo(doc.items);
  const int imported = table.Size();
  // The items hold the records; their index goes before the store.
  table = {};
  WriteOutput(out, StoreAsProgram(doc, protection));
  std::cout << imported << " items imported, " << doc.items.GetSize() << " in all\n";
  return kExitOk;
}

}  // namespace ltbtool
