// The names of the virtual keys, as headless scripts write them and the
// desktop's recorder writes them back: one table read both ways.
#pragma once

#include <string>

#include "platform/platform.h"

namespace emu {

// The virtual-key code of a name, case-insensitive: the named keys, A..Z,
// 0..9, F1..F12 and NUMPAD0..NUMPAD9; -1 when the name is none of these.
long KeyCodeOfName(const std::string& name);

// The name of a virtual-key code in upper case; empty when it has none.
std::string NameOfKey(OsWParam code);

}  // namespace emu
