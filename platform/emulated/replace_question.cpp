// The question a Save As dialog asks before it hands back the name of a file
// that exists, for the backends whose dialogs do not ask it themselves.
#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "platform/emulated/emulated.h"

namespace emu {

bool MayReplace(const OsFileDialog& dialog) {
  if ((dialog.flags & OFN_OVERWRITEPROMPT) == 0 || dialog.file == nullptr) return true;
  struct stat status;
  if (stat(dialog.file, &status) != 0) return true;
  static char text[640];
  std::snprintf(text, sizeof text, "%.*s exists. Replace it?", static_cast<int>(dialog.maxFile),
                dialog.file);
  return OsAskQuestion(text, MB_YESNO | MB_ICONWARNING) == IDYES;
}

}  // namespace emu
