#include "core/app/settings_sets.h"

#include <string>
#include <vector>

#include "core/base/settings_file.h"

namespace listora {

namespace {

std::string N(std::int64_t v) { return std::to_string(v); }

}  // namespace

// What a new document would be given, as the dialog shows it: one reader
// of the keys, the document's.
SettingsSet ReadDefaultSet(const SettingsFile& p) {
  DocumentSettings fresh;
  ResetDocumentSettings(p, fresh);
  return DocumentSet(fresh);
}

StartBars ReadStartBars(const SettingsFile& p) {
  return {p.GetInt("Main", "MainTool", 1) != 0, p.GetInt("Main", "MainStat", 1) != 0,
          p.GetInt("Main", "TreeTool", 1) != 0};
}

bool WriteDefaults(SettingsFile& p, const SettingsSet& s, const StartupSettings& startup,
                   const ProtectionSettings& protection) {
  // The mode first and the position and size last, as the section has
  // always been written.
  const std::vector<SettingsFileEntry> startupEntries = StartupEntries(startup);
  const std::vector<SettingsFileEntry> protectionEntries = ProtectionEntries(protection);
  std::vector<SettingsFileEntry> main = {startupEntries.front(),
                                         {"MainTool", N(s.mainToolBar)},
                                         {"MainStat", N(s.statusBar)},
                                         {"TreeTool", N(s.treeToolBar)}};
  main.insert(main.end(), protectionEntries.begin(), protectionEntries.end());
  main.insert(main.end(), startupEntries.begin() + 1, startupEntries.end());
  DocumentSettings document{};
  ApplyDocumentSet(s, document);
  bool ok = p.WriteSection("Main", main);
  ok = WriteDocumentDefaults(p, document) && ok;
  return ok;
}

}  // namespace listora
