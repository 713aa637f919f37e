#pragma once
// The subcommands of ltbtool. Each takes the arguments after its name and
// returns the exit status, or throws ToolError / UsageError.

#include <string>
#include <string_view>
#include <vector>

namespace ltbtool {

struct Command {
  std::string_view name;
  std::string_view synopsis;  // shown by --help
  int (*run)(const std::vector<std::string>& args);
};

const std::vector<Command>& Commands();

int RunInfo(const std::vector<std::string>& args);
int RunDump(const std::vector<std::string>& args);
int RunExport(const std::vector<std::string>& args);
int RunSave(const std::vector<std::string>& args);
int RunDupes(const std::vector<std::string>& args);
int RunSearch(const std::vector<std::string>& args);
int RunReplace(const std::vector<std::string>& args);
int RunAppend(const std::vector<std::string>& args);
int RunSort(const std::vector<std::string>& args);
int RunTree(const std::vector<std::string>& args);
int RunNew(const std::vector<std::string>& args);
int RunImport(const std::vector<std::string>& args);

}  // namespace ltbtool
