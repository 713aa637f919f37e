#include "core/base/error_reason.h"

#include <cerrno>

#include "core/base/messages.h"

namespace listora {

std::string ErrorReason(int code) {
  switch (code) {
    case ENOENT: return std::string(msg::kReasonNoSuchFile);
    case EACCES:
    case EPERM: return std::string(msg::kReasonPermission);
    case ENOSPC:
    case EDQUOT: return std::string(msg::kReasonNoSpace);
    case EROFS: return std::string(msg::kReasonReadOnly);
    case EISDIR: return std::string(msg::kReasonFolder);
    case ENAMETOOLONG: return std::string(msg::kReasonNameTooLong);
    default: return std::generic_category().message(code);
  }
}

std::string ErrorReason(const std::error_code& code) {
  // Both categories carry errno values on this system.
  if (code.category() == std::generic_category() || code.category() == std::system_category())
    return ErrorReason(code.value());
  return code.message();
}

}  // namespace listora
