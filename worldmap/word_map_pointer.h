// The pointer in the Word Map. Each press, drag and wheel turn does what keys
// would do in its place, through the Word Map's key handler.
#pragma once

#include "platform/platform.h"

// A pointer message (WM_MOUSEMOVE .. WM_MOUSEWHEEL) taken by the Word Map loop.
void HandleWordMapPointer(const OsMessage& message);
// A key press ends a drag, unless it is a modifier key itself; so does
// leaving the Word Map.
void EndWordMapDragAtKey(OsWParam key);
void EndWordMapDrag();
