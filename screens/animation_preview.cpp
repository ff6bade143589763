// The animation preview (F4): the current area as stored in its slot, drawn
// one screen pixel per cell pixel on a cleared screen, where every cell whose
// id-table entry names another cell steps to that cell every sixth turn.
#include "screens/animation_preview.h"

#include <cstring>

#include "area/editor_state.h"
#include "files/area_set.h"
#include "runtime/display.h"
#include "runtime/exit.h"
#include "runtime/messages.h"
#include "runtime/screen.h"
#include "runtime/shown_screen.h"
#include "runtime/state_records.h"

std::uint32_t AnimationTick;
namespace {
StateRecord Listed{"AnimationTick", AnimationTick, [] { AnimationTick = 0; }};
}  // namespace

namespace {

constexpr int PreviewLeft = 32;
constexpr int PreviewTop = 16;
constexpr int CellSide = 16;
constexpr std::size_t SnapshotBitmapsOffset = AreaSetBankCopyOffset;  // 81920
constexpr std::size_t SnapshotBitmapsSize = 256 * CellBytes;
constexpr std::size_t SnapshotIdTableOffset = AreaSetIdCopyOffset;  // 148224
static_assert(SnapshotIdTableOffset + CellIdTableSize == PreviewSnapshotSize);

// The entries 0 and 255 mark a cell that does not animate; any other names
// the cell that follows it.
bool NamesASuccessor(std::uint8_t entry) { return entry != 0 && entry != 255; }

std::uint8_t* PreviewSlot() {
  return PreviewSnapshot + AreaRecordSize * static_cast<std::size_t>(AreaEditorState.currentArea);
}

// Copies the stored slots, the cell bitmaps and the cell-id table into the
// PreviewSnapshot.
void TakeSnapshot() {
  std::memcpy(PreviewSnapshot, AreaSetImage, PreviewSnapshotSize);
  std::memcpy(PreviewSnapshot + SnapshotBitmapsOffset, CellBank, SnapshotBitmapsSize);
  std::memcpy(PreviewSnapshot + SnapshotIdTableOffset, CellIdTable, CellIdTableSize);
}

// Draws one cell bitmap of the snapshot at a preview position (0..159); the
// frame must be locked.
void DrawPreviewCell(std::uint32_t cell, std::uint32_t position) {
  const std::uint8_t* bitmap = PreviewSnapshot + SnapshotBitmapsOffset + CellBytes * cell;
  int left = PreviewLeft + CellSide * static_cast<int>(position % 16);
  int top = PreviewTop + CellSide * static_cast<int>(position / 16);
  for (int row = 0; row < CellSide; ++row)
    std::memcpy(FramePixel(left, top + row), bitmap + CellSide * row, CellSide);
}

// Draws the current area's slot of the snapshot, every cell.
void DrawPreviewArea() {
  LockFrame();
  const std::uint8_t* slot = PreviewSlot();
  for (std::uint32_t i = 0; i < AreaCells; ++i) DrawPreviewCell(slot[i], i);
  UnlockFrame();
}

// One turn's tick; every AnimationPeriod-th turn moves each animated cell one
// link along its chain and draws it.
void AdvanceAnimation() {
  LockFrame();
  AnimationTick += 1;
  if (AnimationTick == AnimationPeriod) {
    AnimationTick = 0;
    std::uint8_t* slot = PreviewSlot();
    const std::uint8_t* successors = PreviewSnapshot + SnapshotIdTableOffset;
    for (std::uint32_t i = 0; i < AreaCells; ++i) {
      std::uint8_t next = successors[slot[i]];
      if (!NamesASuccessor(next)) continue;
      slot[i] = next;
      DrawPreviewCell(next, i);
    }
  }
  UnlockFrame();
}

// Runs until Esc; WM_QUIT and a cleared running flag end the program here.
void PreviewLoop() {
  for (;;) {
    // Any message carrying Esc ends the preview: the key's press or its
    // release; and a left click.
    TurnMessage taken = TakeTurnMessage();
    if (taken != TurnMessage::None && ProgramState.message.wParam == VK_ESCAPE) return;
    if (taken == TurnMessage::Pointer && ClickLeaves()) return;
    WaitFrame();
    AdvanceAnimation();
    if (ProgramState.running == 0) FatalExit();
  }
}

void RedrawPreview() {
  ClearScreen();
  DrawPreviewArea();
}

}  // namespace

const Screen PreviewScreen = {[] {
                                TakeSnapshot();
                                DrawPreviewArea();
                              },
                              RedrawPreview, PreviewLoop};

void RunAnimationPreview() { RunScreen(PreviewScreen); }
