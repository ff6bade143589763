// The Save As rule the emulated dialogs share: a name that ends in a path
// separator, or names a folder that exists, is no file name.
#include <sys/stat.h>

#include <cstring>

#include "platform/emulated/emulated.h"

bool emu::NamesFolder(const char* name) {
  std::size_t length = std::strlen(name);
  if (length > 0 && name[length - 1] == '/') return true;
  struct stat info {};
  return stat(name, &info) == 0 && S_ISDIR(info.st_mode);
}
