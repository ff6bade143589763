// The double's file faults, linked in place of the system's write and rename
// (with --wrap) in the unit tests: a disk that fills up, a rename that fails.
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "tests/platform_double.h"

extern "C" ssize_t __real_write(int fd, const void* bytes, size_t count);
extern "C" int __real_rename(const char* from, const char* to);

extern "C" ssize_t __wrap_write(int fd, const void* bytes, size_t count) {
  long long& left = dbl::Faults.diskBytesLeft;
  if (left < 0 || fd <= STDERR_FILENO) return __real_write(fd, bytes, count);
  if (left == 0) return errno = ENOSPC, -1;
  count = static_cast<size_t>(std::min(static_cast<long long>(count), left));
  left -= static_cast<long long>(count);
  return __real_write(fd, bytes, count);
}

extern "C" int __wrap_rename(const char* from, const char* to) {
  if (dbl::Faults.failingRenames > 0) return --dbl::Faults.failingRenames, errno = EXDEV, -1;
  return __real_rename(from, to);
}
