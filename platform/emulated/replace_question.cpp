// The question a Save As dialog asks before it hands back the name of a file
// that exists, for the backends whose dialogs do not ask it themselves.
#include <sys/stat.h>

#include <cstdio>

#include "platform/emulated/emulated.h"

namespace emu {

bool MayReplace(const char* name, AskQuestion ask) {
  struct stat status;
  if (stat(name, &status) != 0) return true;
  static char text[640];
  std::snprintf(text, sizeof text, "%s exists. Replace it?", name);
  return ask(text, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2, IDYES) == IDYES;
}

bool MayReplace(const OsFileDialog& dialog, AskQuestion ask) {
  if ((dialog.flags & OFN_OVERWRITEPROMPT) == 0 || dialog.file == nullptr) return true;
  return MayReplace(dialog.file, ask);
}

}  // namespace emu
