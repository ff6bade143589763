// The area editor's key dispatcher and the commands it owns: the arrows.
#pragma once

#include "platform/platform.h"

void HandleAreaEditorKey(OsWParam key);
