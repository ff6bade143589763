// The default extension goes onto a name whose last part has none, and a
// Save As answer that names a folder is no file name. Folder separators are '/' on POSIX systems,
// where '\' is an ordinary character of a file name, and both '/' and '\' on Windows.
#include "platform/emulated/dialog_name.h"

#include <sys/stat.h>

namespace emu {

namespace {

#ifdef _WIN32
constexpr const char* FolderSeparators = "/\\";
#else
constexpr const char* FolderSeparators = "/";
#endif

}  // namespace

std::string CompleteDialogName(const std::string& name, const char* defaultExtension) {
  if (defaultExtension == nullptr || defaultExtension[0] == '\0') return name;
  std::size_t separator = name.find_last_of(FolderSeparators);
  std::size_t lastPart = separator == std::string::npos ? 0 : separator + 1;
  if (name.find('.', lastPart) != std::string::npos) return name;
  return name + "." + defaultExtension;
}

bool NamesFolder(const std::string& name) {
  if (!name.empty() && std::string(FolderSeparators).find(name.back()) != std::string::npos)
    return true;
  struct stat info {};
  return stat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace emu
