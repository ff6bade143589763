// Paging the selector: its scroll row moves by a window's height, within the
// rows the arrows reach (0..10).
#include "area/selector_paging.h"

#include <algorithm>

#include "area/editor_state.h"
#include "area/editor_windows.h"

namespace {

constexpr int LastScrollRow = 10;

}  // namespace

void PageSelector(bool down) {
  AreaEditorStateRecord& state = AreaEditorState;
  const int page = static_cast<int>(state.windows[SelectorWindow].height);
  state.selectorScrollRow =
      std::clamp(state.selectorScrollRow + (down ? page : -page), 0, LastScrollRow);
  DrawSelectorWindow();
}
