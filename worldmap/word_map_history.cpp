// Undo and redo in the Word Map, and the selected-area preview that a move
// draws anew. A move that changed the map or the slots draws the map window,
// the area picker and that preview anew; the cursor preview follows on the
// loop's next cursor step. Changes to the edited area wait until the area
// editor's screen is restored.
#include "worldmap/word_map_history.h"

#include "area/history.h"
#include "area/history_keys.h"
#include "worldmap/word_map_draw.h"
#include "worldmap/word_map_state.h"

namespace {

struct WordMapHistoryRecord {
  bool selectedPreviewShown;
  std::uint32_t changedRegions;  // changed while the Word Map ran
};

WordMapHistoryRecord WordMapHistory;

constexpr int SelectedPreviewX = 0, SelectedPreviewY = 0;

}  // namespace

void MoveThroughHistoryInWordMap(std::uint32_t key) {
  std::uint32_t regions = MoveThroughHistory(HistoryMoveOf(key));
  WordMapHistory.changedRegions |= regions;
  if ((regions & (HistorySlots | HistoryWordMap)) == 0) return;
  // The cursor goes first, so that the redraws take the pixels under it
  // without the cursor in them.
  const WordMapStateRecord& state = WordMapState;
  RestoreWordMapBackground(WordMapSlotX(state.previousColumn), WordMapSlotY(state.previousRow));
  DrawMapWindow();
  if ((regions & HistorySlots) == 0) return;
  DrawAreaPicker();
  if (WordMapHistory.selectedPreviewShown) DrawSelectedAreaPreview();
}

void DrawSelectedAreaPreview() {
  DrawAreaPreview(static_cast<std::uint8_t>(WordMapState.selectedArea), SelectedPreviewX,
                  SelectedPreviewY);
  WordMapHistory.selectedPreviewShown = true;
}

void EnterWordMapHistory() { WordMapHistory = {}; }

void LeaveWordMapHistory() {
  ShowHistoryInAreaEditor(WordMapHistory.changedRegions);
  WordMapHistory.changedRegions = 0;
}
