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

// Standard output goes to `stdoutFile` when given (and `out` stays empty).
// The tool runs under the locale `lang` (C: Japanese messages).
ToolRun RunTool(const std::vector<std::string>& args, const std::string& stdinText = {},
                const std::string& stdoutFile = {}, const std::string& lang = "C.UTF-8");

}  // namespace listora::test
