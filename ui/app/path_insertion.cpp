#include "ui/app/path_insertion.h"

#include <filesystem>
#include <vector>

#include "ui/app/listora_app.h"
#include "ui/doc/listora_doc.h"

namespace listora {

void RunCommandLineInsertion(ListoraDoc& doc) {
  ListoraApp& app = TheApp();
  if (!app.CommandLineInsertFlag()) return;
  app.CommandLineInsertFlag() = false;
  std::vector<std::filesystem::path> paths;
  for (const std::string& path : app.CommandLineInsertPaths()) paths.emplace_back(path);
  app.CommandLineInsertPaths().clear();
  doc.InsertPaths(paths);
}

}  // namespace listora
