#pragma once
// Why a file operation failed, as the user reads it: in Japanese for the
// failures users meet (a missing file, no permission, a full disk, ...),
// in the system's own words for the rest.

#include <string>
#include <system_error>

namespace listora {

// `code` is an errno value.
std::string ErrorReason(int code);
std::string ErrorReason(const std::error_code& code);

}  // namespace listora
