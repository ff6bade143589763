// The Word Map editor (F5): entering and leaving its screen, and its frame
// loop, which hands keys to the key table and pointer messages to the
// pointer.
#include "worldmap/word_map.h"

#include "draw/cursor.h"
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

// One turn: a key press is handled within one vertical blank; any other turn
// waits for a second one and then draws the cursor.
void WordMapLoop() {
  for (;;) {
    WaitFrame();
    NextCursorColour();
    TurnMessage taken = TakeTurnMessage();
    if (taken == TurnMessage::KeyDown) {
      EndWordMapDragAtKey(ProgramState.message.wParam);
      RedrawWordMapCursor();
      RememberWordMapCursor();
      if (HandleWordMapKey(static_cast<std::uint32_t>(KeyCodeOf(ProgramState.message.wParam))))
        return;
      if (ProgramState.running == 0) return;
      continue;
    }
    if (taken == TurnMessage::Pointer) HandleWordMapPointer(ProgramState.message);
    WaitFrame();
    RedrawWordMapCursor();
    RememberWordMapCursor();
    if (ProgramState.running == 0) return;
  }
}
