// Unsaved changes as a comparison, not a flag: whatever changed the set, and
// whatever put it back as it was, the answer follows the bytes a save writes.
#include "area/unsaved.h"

#include <cstring>

#include "area/area_slots.h"
#include "area/editor_state.h"
#include "files/area_set.h"
#include "files/stored_set.h"

bool UnsavedChanges() {
  const int edited = AreaEditorState.currentArea;
  for (int area = 0; area < 256; ++area) {
    const std::uint8_t* stored = StoredSlot(area);
    if (area == edited) {
      if (std::memcmp(stored, EditGrid.cellLayer, AreaCells) != 0 ||
          std::memcmp(stored + AreaCells, EditGrid.idLayer, AreaCells) != 0)
        return true;
    } else if (std::memcmp(stored, AreaRecord(static_cast<std::size_t>(area)), AreaRecordSize) !=
               0) {
      return true;
    }
  }
  return std::memcmp(StoredWordMap(), WordMapGrid(), WordMapSize) != 0;
}
