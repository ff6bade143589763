// The pointer in the Word Map, as keys: a left press on a map slot is TAB
// (when the picker is active), arrows to the slot and SPACE, and a drag goes
// on with SPACE at every slot entered, one undo step from press to release.
// A left press on a picker slot selects its area as SPACE there. A right press
// on a map slot takes the area there as the selected area and scrolls the
// picker to it. The wheel scrolls the map (with Shift, sideways) or the picker.
#include "worldmap/word_map_pointer.h"

#include <algorithm>

#include "area/history.h"
#include "draw/window_hit.h"
#include "runtime/state_records.h"
#include "worldmap/word_map_draw.h"
#include "worldmap/word_map_keys.h"
#include "worldmap/word_map_state.h"

namespace {

constexpr std::uint32_t LastArea = 255;
constexpr std::uint32_t PickerRows = 4;

struct WordMapPointerRecord {
  bool painting;
  PaintTrail trail;  // of a painting drag
  int wheelRest;     // the wheel's turn short of a notch
};

WordMapPointerRecord WordMapPointer;
StateRecord ListedWordMapPointer{"WordMapPointer", WordMapPointer, [] { WordMapPointer = {}; }};

// Each key comes after the cursor step of its own turn, as in the loop.
void AsKey(std::uint32_t key) {
  WordMapCursorStep();
  HandleWordMapKey(key);
}

void Activate(std::uint32_t window) {
  if (WordMapState.activeWindow != window) AsKey(VK_TAB);
}

// As arrow keys: inside one window they never scroll.
void ArrowsTo(WindowPosition at) {
  WordMapCursorStep();
  WordMapState.cursorColumn = at.column;
  WordMapState.cursorRow = at.row;
}

bool SlotAt(std::uint32_t window, const OsMessage& message, WindowPosition& at) {
  return PositionAt(WordMapState.windows[window], SlotWidth, SlotHeight, PointerX(message.lParam),
                    PointerY(message.lParam), at);
}

std::uint32_t PickerArea(WindowPosition at) {
  return PickerLineLength * (WordMapState.pickerScrollRow + at.row) + at.column;
}

// A window drawn anew under the cursor of the other one: the cursor goes
// first, so that the redraw takes the pixels under it without the cursor.
void RedrawWindow(void (*draw)()) {
  const WordMapStateRecord& state = WordMapState;
  RestoreWordMapBackground(WordMapSlotX(state.previousColumn), WordMapSlotY(state.previousRow));
  draw();
}

void PaintAt(WindowPosition at) {
  ArrowsTo(at);
  AsKey(VK_SPACE);
}

void PressLeft(const OsMessage& message) {
  WindowPosition at;
  if (SlotAt(MapWindow, message, at)) {
    Activate(MapWindow);
    HoldStep();
    WordMapPointer.painting = true;
    PaintOn(WordMapPointer.trail, at, PaintAt);
    return;
  }
  // The slots past the last area select nothing.
  if (SlotAt(AreaPicker, message, at) && PickerArea(at) <= LastArea) {
    Activate(AreaPicker);
    ArrowsTo(at);
    AsKey(VK_SPACE);
  }
}

void ScrollPickerTo(std::uint32_t area) {
  std::uint32_t line = area / PickerLineLength;
  std::uint32_t& scroll = WordMapState.pickerScrollRow;
  std::uint32_t row = line < scroll ? line
                      : line >= scroll + PickerRows
                          ? std::min(line + 1 - PickerRows, PickerScrollLimit)
                          : scroll;
  if (row == scroll) return;
  scroll = row;
  RedrawWindow(DrawAreaPicker);
}

void PressRight(const OsMessage& message) {
  WindowPosition at;
  if (!SlotAt(MapWindow, message, at)) return;
  WordMapState.selectedArea = MapEntry(at.column, at.row);
  DrawSelectedAreaPreview();
  ScrollPickerTo(WordMapState.selectedArea);
}

void MovePointer(const OsMessage& message) {
  WordMapPointerRecord& pointer = WordMapPointer;
  WindowPosition at;
  auto onMap = [](const OsMessage& m, WindowPosition& to) { return SlotAt(MapWindow, m, to); };
  if (!pointer.painting || !DragMovesTo(message, EndWordMapDrag, onMap, pointer.trail, at)) return;
  PaintDragTo(pointer.trail, at, PaintAt);
}

// A notch scrolls one row of the map (with Shift, one column) or one line of
// the picker, within the limits of the arrow keys; the cursor keeps its place.
void Wheel(const OsMessage& message) {
  WindowPosition at;
  bool overMap = SlotAt(MapWindow, message, at);
  if (!overMap && !SlotAt(AreaPicker, message, at)) return;
  int notches = WheelNotches(message.wParam, WordMapPointer.wheelRest);
  WordMapStateRecord& state = WordMapState;
  bool sideways = overMap && (message.wParam & MK_SHIFT) != 0;
  std::uint32_t& scroll = !overMap   ? state.pickerScrollRow
                          : sideways ? state.mapScrollColumn
                                     : state.mapScrollRow;
  auto limit = static_cast<int>(overMap ? MapScrollLimit : PickerScrollLimit);
  auto row = static_cast<std::uint32_t>(std::clamp(static_cast<int>(scroll) - notches, 0, limit));
  if (row == scroll) return;
  scroll = row;
  RedrawWindow(overMap ? DrawMapWindow : DrawAreaPicker);
}

}  // namespace

void HandleWordMapPointer(const OsMessage& message) {
  static constexpr PointerActions Actions = {PressLeft, PressRight, MovePointer, Wheel,
                                             EndWordMapDrag};
  DispatchPointer(Actions, message);
}

void EndWordMapDragAtKey(OsWParam key) {
  if (EndsDrag(key)) EndWordMapDrag();
}

void EndWordMapDrag() {
  if (WordMapPointer.painting) ReleaseStep();
  WordMapPointer.painting = false;
}
