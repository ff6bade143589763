// The per-system file calls on POSIX systems: flush a file to the disk, and
// rename one file over another in a single step.
#include <unistd.h>

#include <cstdio>

#include "platform/platform.h"

bool OsSyncFile(std::FILE* file) { return fsync(fileno(file)) == 0; }

bool OsReplaceFile(const char* from, const char* to) { return std::rename(from, to) == 0; }
