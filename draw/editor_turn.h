// The frame loop of an editor, written once for the area editor and the Word
// Map: each brings its own cursor step and its own keys and pointer.
#pragma once

#include "platform/platform.h"

struct EditorTurn {
  void (*eachFrame)();                 // after the cursor colour steps; may be null
  void (*endDragAtKey)(OsWParam key);  // a key press ends a pointer drag
  void (*cursorStep)();                // erase, draw and remember the cursor
  bool (*handleKey)(OsWParam wParam);  // true when the key leaves the loop
  void (*handlePointer)(const OsMessage& message);
};

// One turn: a key press is handled within one vertical blank; any other turn
// waits for a second one and then draws the cursor. Turns until a key leaves
// the loop or the program stops running.
void RunEditorTurns(const EditorTurn& editor);
