// The Word Map's state record, zero but for its constant window table at
// start, and kept from one visit to the next within a run.
#include "worldmap/word_map_state.h"

#include "runtime/state_records.h"

namespace {

constexpr ViewWindow WordMapWindows[2] = {
    {.originX = 128, .originY = 0, .width = 16, .height = 16},  // x 128..639, y 0..319
    {.originX = 0, .originY = 400, .width = 20, .height = 4},   // x 0..639, y 400..479
};

constexpr WordMapStateRecord StartState = {
    .activeWindow = MapWindow, .windows = {WordMapWindows[MapWindow], WordMapWindows[AreaPicker]}};

}  // namespace

WordMapStateRecord WordMapState = StartState;
namespace {
StateRecord Listed{"WordMapState", WordMapState, [] { WordMapState = StartState; }};
}  // namespace
