// The pointer in the area editor. Each press, drag and wheel turn does what
// keys would do in its place, through the key dispatcher.
#pragma once

#include "platform/platform.h"

// A pointer message (WM_MOUSEMOVE .. WM_MOUSEWHEEL) taken by the main loop.
void HandleAreaEditorPointer(const OsMessage& message);
// A key press ends a drag, unless it is a modifier key itself.
void EndAreaEditorDragAtKey(OsWParam key);
