#include <iostream>

#include "core/doc/document_settings.h"
#include "core/text/encoding.h"
#include "ltbtool/commands.h"
#include "ltbtool/tool_io.h"

namespace ltbtool {

namespace {

const char* ModeName(unsigned mode) {
  switch (mode) {
    case 0: return "plain";
    case 1: return "password";
    case 2: return "encrypted";
  }
  return "unknown";
}

}  // namespace

int RunInfo(const std::vector<std::string>& raw) {
  OptionSpec known;
  AddPasswordOptions(known);
  const Args args(raw, known);
  if (args.positional().size() != 1) throw UsageError{"info needs exactly one FILE"};
  const std::filesystem::path file = args.positional()[0];
  PasswordSource passwords(args);
  const LoadedDocument loaded = LoadForTool(file, passwords);
  const auto& header = loaded.result.header;
  const auto& doc = loaded.doc;
  std::cout << "File:        " << file.string() << '\n'
            << "Format:      version " << unsigned(header.version) << ", revision "
            << unsigned(header.revision) << '\n'
            << "Protection:  " << ModeName(header.mode) << " (mode " << unsigned(header.mode)
            << ")\n"
            << "Items:       " << doc.items.GetSize() << '\n'
            << "Columns:     " << doc.ColumnCount() - 1 << " (header icons "
            << (doc.settings.columns.headerIcons ? "on" : "off") << ")\n";
  for (int c = 1; c < doc.ColumnCount(); ++c) {
    std::cout << "  " << c << ". "
              << listora::Cp932ToUtf8(listora::FixedText(doc.settings.columns.names[c]))
              << "  width " << doc.settings.columns.widths[c]
              << ((doc.settings.columns.formats[c] & listora::kFormatRight) ? "  right-aligned"
                                                                            : "")
              << '\n';
  }
  std::cout << "History:     " << doc.history.size() << " entries\n";
  for (const auto& entry : doc.history) std::cout << "  " << listora::Cp932ToUtf8(entry) << '\n';
  std::cout << "Item offset: " << header.itemOffset << '\n';
  return kExitOk;
}

}  // namespace ltbtool
