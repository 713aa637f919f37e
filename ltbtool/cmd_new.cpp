#include <sys/stat.h>

#include <cerrno>
#include <iostream>
#include <system_error>

#include "core/app/settings_sets.h"
#include "core/base/settings_file.h"
#include "core/doc/document_settings.h"
#include "core/tools/auto_insert.h"
#include "core/tools/auto_insert_settings.h"
#include "ltbtool/commands.h"
#include "ltbtool/tool_io.h"

namespace ltbtool {

int RunNew(const std::vector<std::string>& raw) {
  OptionSpec known;
  AddSaveOptions(known);
  known.lists.insert("--insert");
  const Args args(raw, known);
  if (args.positional().size() != 1) throw UsageError{"new needs exactly one OUT"};
  const std::filesystem::path out = args.positional()[0];
  const listora::SettingsFile settingsFile = ProgramSettings();
  const SaveProtection protection = NewDocumentProtection(args, settingsFile);
  listora::Document doc;
  listora::ResetDocumentSettings(settingsFile, doc.settings);
  if (args.Has("--insert")) {
    const auto list = args.List("--insert");
    const std::vector<std::filesystem::path> paths(list.begin(), list.end());
    // The insertion passes over what it cannot find; say which.
    for (const auto& path : paths) {
      struct stat info {};
      if (lstat(path.c_str(), &info) != 0)
        std::cerr << "ltbtool: " << path.string() << ": " << std::generic_category().message(errno)
                  << "; not inserted\n";
    }
    listora::InsertOptions options;
    options.settings = doc.settings.autoInsert;
    options.columnCount = doc.ColumnCount();
    options.skipMask = listora::ReadAttributeSkipMask(settingsFile);
    const listora::InsertResult result = listora::InsertPaths(doc.items, options, paths);
    std::cout << result.inserted << " items inserted\n";
  }
  WriteOutput(out, StoreAsProgram(doc, protection));
  return kExitOk;
}

}  // namespace ltbtool
