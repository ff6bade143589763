// The area editor's state record and its window table.
#include "area/editor_state.h"

#include "runtime/state_records.h"

namespace {

constexpr ViewWindow AreaEditorWindows[2] = {
    {.originX = 64, .originY = 32, .width = 16, .height = 10},  // x 64..575, y 32..351
    {.originX = 0, .originY = 384, .width = 20, .height = 3},   // x 0..639, y 384..479
};

constexpr AreaEditorStateRecord StartState = {
    .windows = {AreaEditorWindows[EditorWindow], AreaEditorWindows[SelectorWindow]}};

}  // namespace

AreaEditorStateRecord AreaEditorState = StartState;
namespace {
StateRecord Listed{"AreaEditorState", AreaEditorState, [] { AreaEditorState = StartState; }};
}  // namespace
