#include "core/app/version.h"

namespace listora {

// Both come from the build (core/CMakeLists.txt).
const std::string_view kVersion = LISTORA_VERSION;
const int kProgramVersion = LISTORA_VERSION_NUMBER;

}  // namespace listora
