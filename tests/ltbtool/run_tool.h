#pragma once
// Runs the built ltbtool (path in $LTBTOOL) and captures what it printed.

#include <string>
#include <vector>

namespace listora::test {

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

ToolRun RunTool(const std::vector<std::string>& args, const std::string& stdinText = {});

}  // namespace listora::test
