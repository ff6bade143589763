// The area editor's key dispatcher and the commands it owns: the arrows and
// the switch between the editor and selector windows.
#pragma once

#include "platform/platform.h"

void HandleAreaEditorKey(OsWParam key);
void SwitchAreaEditorWindow();
