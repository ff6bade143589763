// The area editor's state record and its window table.
#include "area/editor_state.h"

namespace {

constexpr ViewWindow AreaEditorWindows[2] = {
    {64, 32, 16, 10},  // editor window: x 64..575, y 32..351
    {0, 384, 20, 3},   // selector window: x 0..639, y 384..479
};

}  // namespace

AreaEditorStateRecord AreaEditorState = {0, 0, 0, 0, {{0, 0}, {0, 0}},
                                         0, 0, 0, 0, {AreaEditorWindows[0], AreaEditorWindows[1]}};

void ResetAreaEditorState() {
  AreaEditorState = {};
  AreaEditorState.windows[0] = AreaEditorWindows[0];
  AreaEditorState.windows[1] = AreaEditorWindows[1];
}
