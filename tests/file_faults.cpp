// The file faults and the log, linked in place of the system's open, write,
// fsync and rename (with --wrap): a disk that fills up, a rename that fails,
// a folder that cannot be opened, and the order and modes of the calls.
#include "tests/file_faults.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>

namespace {

void Note(const char* what, int fd = -1) {
  if (!dbl::Faults.logging) return;
  struct stat info {};
  if (fd >= 0 && (fstat(fd, &info) != 0 || !(S_ISREG(info.st_mode) || S_ISDIR(info.st_mode))))
    return;
  char line[40];
  if (fd >= 0 && S_ISDIR(info.st_mode))
    std::snprintf(line, sizeof line, "%s folder", what);
  else if (fd >= 0)
    std::snprintf(line, sizeof line, "%s file %04o", what,
                  static_cast<unsigned>(info.st_mode & 07777));
  else
    std::snprintf(line, sizeof line, "%s", what);
  std::vector<std::string>& log = dbl::Faults.log;
  if (log.empty() || log.back() != line) log.emplace_back(line);
}

}  // namespace

extern "C" int __real_open(const char* path, int flags, ...);
extern "C" ssize_t __real_write(int fd, const void* bytes, size_t count);
extern "C" int __real_fsync(int fd);
extern "C" int __real_rename(const char* from, const char* to);

extern "C" int __wrap_open(const char* path, int flags, ...) {
  mode_t mode = 0;
  if ((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE) {
    va_list arguments;
    va_start(arguments, flags);
    mode = va_arg(arguments, mode_t);
    va_end(arguments);
  }
  if ((flags & O_DIRECTORY) != 0 && dbl::Faults.folderError != 0)
    return errno = dbl::Faults.folderError, -1;
  return __real_open(path, flags, mode);
}

extern "C" ssize_t __wrap_write(int fd, const void* bytes, size_t count) {
  if (fd <= STDERR_FILENO) return __real_write(fd, bytes, count);
  Note("write", fd);
  long long& left = dbl::Faults.diskBytesLeft;
  if (left < 0) return __real_write(fd, bytes, count);
  if (left == 0) return errno = ENOSPC, -1;
  count = static_cast<size_t>(std::min(static_cast<long long>(count), left));
  left -= static_cast<long long>(count);
  return __real_write(fd, bytes, count);
}

extern "C" int __wrap_fsync(int fd) {
  Note("sync", fd);
  return __real_fsync(fd);
}

extern "C" int __wrap_rename(const char* from, const char* to) {
  int& left = dbl::Faults.renamesLeft;
  if (left == 0) return errno = EXDEV, -1;
  if (left > 0) --left;
  Note("rename");
  return __real_rename(from, to);
}
