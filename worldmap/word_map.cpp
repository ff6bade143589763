// The Word Map editor (F5): entering and leaving its screen, and its frame
// loop, which hands keys to the key table and pointer messages to the
// pointer.
#include "worldmap/word_map.h"

#include "draw/editor_turn.h"
#include "runtime/display.h"
#include "runtime/messages.h"
#include "runtime/screen.h"
#include "runtime/shown_screen.h"
#include "worldmap/word_map_draw.h"
#include "worldmap/word_map_history.h"
#include "worldmap/word_map_keys.h"
#include "worldmap/word_map_pointer.h"

const Screen WordMapScreen = {[] {
                                DrawMapWindow();
                                DrawAreaPicker();
                              },
                              [] {
                                KeepWordMapCursor();
                                ClearScreen();
                                DrawMapWindow();
                                DrawAreaPicker();
                                ShowKeptWordMapCursor();
                              },
                              WordMapLoop};

void RunWordMap() {
  EnterWordMapHistory();
  RunScreen(WordMapScreen);
  EndWordMapDrag();
  LeaveWordMapHistory();
}

void WordMapLoop() {
  RunEditorTurns(
      {nullptr, EndWordMapDragAtKey, WordMapCursorStep,
       [](OsWParam key) { return HandleWordMapKey(static_cast<std::uint32_t>(KeyCodeOf(key))); },
       HandleWordMapPointer});
}
