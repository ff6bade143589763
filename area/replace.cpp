// Replacing one cell number by the selected cell over a part of the set, as
// one step of the history.
#include "area/replace.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "area/area_slots.h"
#include "area/block.h"
#include "area/editor_cursor.h"
#include "area/editor_state.h"
#include "area/editor_windows.h"
#include "area/history.h"
#include "files/area_set.h"
#include "files/data_files.h"
#include "runtime/desktop_turn.h"
#include "runtime/status_events.h"

namespace {

// Rewrites the uses in an area's record (its cells, then their ids); returns
// how many there were.
int RewriteRecord(std::uint8_t* record, std::uint8_t old, std::uint8_t now) {
  int uses = 0;
  for (std::size_t i = 0; i < AreaCells; ++i) {
    if (record[i] != old) continue;
    record[i] = now;
    record[AreaCells + i] = CellIdTable[now];
    ++uses;
  }
  return uses;
}

// The EditGrid keeps its ids apart from its cells.
int RewriteEdited(int x1, int y1, int x2, int y2, std::uint8_t old, std::uint8_t now) {
  int uses = 0;
  for (int y = y1; y <= y2; ++y) {
    for (int x = x1; x <= x2; ++x) {
      int i = GridIndex(x, y);
      if (EditGrid.cellLayer[i] != old) continue;
      EditGrid.cellLayer[i] = now;
      EditGrid.idLayer[i] = CellIdTable[now];
      ++uses;
    }
  }
  return uses;
}

}  // namespace

CellUses ReplaceCell(std::uint8_t old, ReplaceScope scope) {
  const auto now = static_cast<std::uint8_t>(AreaEditorState.selectedCell);
  CellUses replaced{};
  if (scope == ReplaceScope::Block) {
    const BlockCorners& b = BlockState.live;
    replaced.uses = RewriteEdited(std::min(b.x1, b.x2), std::min(b.y1, b.y2), std::max(b.x1, b.x2),
                                  std::max(b.y1, b.y2), old, now);
  } else {
    replaced.uses = RewriteEdited(0, 0, AreaColumns - 1, AreaRows - 1, old, now);
  }
  replaced.areas = replaced.uses > 0 ? 1 : 0;
  if (scope == ReplaceScope::AllAreas) {
    NoteSetChange(AreaSetImage, 256 * AreaRecordSize);
    for (int area = 0; area < 256; ++area) {
      int uses = RewriteRecord(AreaRecord(static_cast<std::size_t>(area)), old, now);
      // The edited area's slot is rewritten too, but counted as edited.
      if (area == AreaEditorState.currentArea) continue;
      replaced.uses += uses;
      replaced.areas += uses > 0 ? 1 : 0;
    }
  }
  std::memcpy(EditGrid.displayLayer, EditGrid.cellLayer, AreaCells);
  // The cursor goes first, so that a redraw with the selector active does
  // not take the cursor into what lies under it.
  EraseCursor();
  DrawEditorWindow();
  ReportEvent("Replaced %d use%s in %d area%s", replaced.uses, PluralEnding(replaced.uses),
              replaced.areas, PluralEnding(replaced.areas));
  return replaced;
}

void ReplaceCellKey() {
  const CursorPosition at = EditorCursor();
  const auto old = EditGrid.cellLayer[GridIndex(at.x, at.y)];
  const int now = AreaEditorState.selectedCell;
  if (old == now) {
    ReportEvent("Cell %d is the selected cell already: nothing to replace", now);
    return;
  }
  if (BlockState.code == BlockSelecting) {
    ReplaceCell(old, ReplaceScope::Block);
    return;
  }
  CellUses uses = CountCellUses(old);
  char question[160];
  std::snprintf(question, sizeof question,
                "Replace cell %d with cell %d in all areas? %d use%s in %d area%s. No: this area "
                "only.",
                old, now, uses.uses, PluralEnding(uses.uses), uses.areas, PluralEnding(uses.areas));
  switch (AskUser(question, MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3, IDCANCEL)) {
    case IDYES: ReplaceCell(old, ReplaceScope::AllAreas); break;
    case IDNO: ReplaceCell(old, ReplaceScope::EditedArea); break;
    default: break;
  }
}
