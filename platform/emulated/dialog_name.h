// The file dialogs' rules for the name they hand the program, as every
// emulated dialog applies them: the default extension, and no folders.
#pragma once

#include <string>

namespace emu {

// `name` with "." and `defaultExtension` added when its last part (after the
// last folder separator of this system) has no '.'; `name` itself when the
// default extension is null or empty.
std::string CompleteDialogName(const std::string& name, const char* defaultExtension);

// True when a Save As answer is no file name: it ends in a folder separator
// or names a folder that exists.
bool NamesFolder(const std::string& name);

}  // namespace emu
