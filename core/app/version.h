#pragma once
// The program's version. The build defines it once, as the project's
// version, for the program, ltbtool, the about box, the update check and the
// package.

#include <string_view>

namespace listora {

extern const std::string_view kVersion;  // "1.21"
// The same as the update check counts it: major * 100 + minor (121).
extern const int kProgramVersion;

}  // namespace listora
