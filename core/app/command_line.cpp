#include "core/app/command_line.h"

namespace listora {

StartRequest ParseCommandLine(std::span<const std::string> args) {
  StartRequest request;
  if (!args.empty() && args.front() == "-D") {
    request.kind = StartRequest::Kind::kInsert;
    request.paths.assign(args.begin() + 1, args.end());
    return request;
  }
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") return {StartRequest::Kind::kHelp, {}, {}};
    if (arg == "--version") return {StartRequest::Kind::kVersion, {}, {}};
  }
  for (const std::string& arg : args) {
    // An empty argument names no file; opening it could only fail start-up.
    if (arg.empty() || arg.front() == '-') continue;
    request.kind = StartRequest::Kind::kOpen;
    request.document = arg;
    break;
  }
  return request;
}

}  // namespace listora
