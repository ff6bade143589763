// The file dialogs' default-extension rule, as every emulated dialog applies
// it to the name it hands the program.
#pragma once

#include <string>

namespace emu {

// `name` with "." and `defaultExtension` added when its last part (after the
// last folder separator of this system) has no '.'; `name` itself when the
// default extension is null or empty.
std::string CompleteDialogName(const std::string& name, const char* defaultExtension);

}  // namespace emu
