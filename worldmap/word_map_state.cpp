// The Word Map's state record, zero but for its constant window table at
// start, and kept from one visit to the next within a run.
#include "worldmap/word_map_state.h"

#include "worldmap/word_map.h"

namespace {

constexpr ViewWindow WordMapWindows[2] = {
    {128, 0, 16, 16},  // map window: x 128..639, y 0..319
    {0, 400, 20, 4},   // area picker: x 0..639, y 400..479
};

}  // namespace

WordMapStateRecord WordMapState = {
    0, 0, 0, 0, MapWindow, {WordMapWindows[0], WordMapWindows[1]}, 0, 0, 0, 0, 0, {}, {}};

void ResetWordMap() {
  WordMapState = {};
  WordMapOpen = false;
  WordMapState.windows[MapWindow] = WordMapWindows[MapWindow];
  WordMapState.windows[AreaPicker] = WordMapWindows[AreaPicker];
}
