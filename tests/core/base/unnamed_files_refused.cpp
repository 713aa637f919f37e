#include "core/base/unnamed_files_refused.h"

#include <dlfcn.h>
#include <fcntl.h>

#include <atomic>
#include <cerrno>
#include <cstdarg>

namespace {

std::atomic<bool> refused = false;

using OpenFunction = int (*)(const char*, int, ...);

OpenFunction Next(const char* name) {
  return reinterpret_cast<OpenFunction>(dlsym(RTLD_NEXT, name));
}

int Forward(OpenFunction next, const char* path, int flags, mode_t mode) {
  if (refused && (flags & O_TMPFILE) == O_TMPFILE) {
    errno = EOPNOTSUPP;
    return -1;
  }
  return next(path, flags, mode);
}

mode_t ModeArgument(int flags, va_list args) {
  return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(args, mode_t) : 0;
}

}  // namespace

// The executable's definitions come before the C library's for every call
// of the process, the core's included.
extern "C" int open(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = ModeArgument(flags, args);
  va_end(args);
  static const OpenFunction next = Next("open");
  return Forward(next, path, flags, mode);
}

extern "C" int open64(const char* path, int flags, ...) {
  va_list args;
  va_start(args, flags);
  const mode_t mode = ModeArgument(flags, args);
  va_end(args);
  static const OpenFunction next = Next("open64");
  return Forward(next, path, flags, mode);
}

namespace listora::test {

UnnamedFilesRefused::UnnamedFilesRefused() { refused = true; }
UnnamedFilesRefused::~UnnamedFilesRefused() { refused = false; }

}  // namespace listora::test
