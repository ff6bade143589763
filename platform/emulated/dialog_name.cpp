// The default extension goes onto a name whose last part has none, and a
// Save As answer that names a folder is no file name.
#include "platform/emulated/dialog_name.h"

#include <sys/stat.h>

#include "platform/file_names.h"

namespace emu {

std::string CompleteDialogName(const std::string& name, const char* defaultExtension) {
  if (defaultExtension == nullptr || defaultExtension[0] == '\0') return name;
  if (name.find('.', FolderLength(name.c_str())) != std::string::npos) return name;
  return name + "." + defaultExtension;
}

bool NamesFolder(const std::string& name) {
  if (!name.empty() && IsFolderSeparator(name.back())) return true;
  struct stat info {};
  return stat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace emu
