// The display device: exclusive mode, primary surface, palette built from a
// 6-bit table, frame lock with lost-surface restore, and the vertical blank.
#include "runtime/display.h"

#include "runtime/exit.h"
#include "runtime/program_state.h"
#include "runtime/state_records.h"
#include "runtime/status_events.h"

DisplayDeviceRecord DisplayDevice;
namespace {
StateRecord Listed{"DisplayDevice", DisplayDevice, [] { DisplayDevice = {}; }};
}  // namespace

void InitDisplay(OsHandle window) {
  DisplayDevice.window = window;
  DisplayDevice.draw = DdCreate();
  if (DisplayDevice.draw == nullptr) FailDisplay("cannot open the display");
  if (DdSetCooperativeLevel(DisplayDevice.draw, window, DDSCL_FULLSCREEN_EXCLUSIVE) != DD_OK)
    FailDisplay("cannot take the display over");
}

void EnterScreenMode() {
  if (DdSetDisplayMode(DisplayDevice.draw, ScreenWidth, ScreenHeight, 8) != DD_OK)
    FailDisplay("cannot set the display mode 640 x 480 x 8");
}

void CreatePrimary() {
  OsSurfaceDesc& desc = DisplayDevice.surfaceDesc;
  desc = {};
  desc.size = SurfaceDescSize;
  desc.flags = DDSD_CAPS;
  desc.caps = DDSCAPS_PRIMARYSURFACE;
  DisplayDevice.primary = DdCreateSurface(DisplayDevice.draw, desc);
  if (DisplayDevice.primary == nullptr) FailDisplay("cannot create the primary surface");
}

void ApplyPalette(const std::uint8_t* table) {
  DisplayDevice.paletteTable = table;
  for (int i = 0; i < 256; ++i) {
    OsPaletteEntry& entry = DisplayDevice.paletteEntries[i];
    entry.red = static_cast<std::uint8_t>(table[3 * i] << 2);
    entry.green = static_cast<std::uint8_t>(table[3 * i + 1] << 2);
    entry.blue = static_cast<std::uint8_t>(table[3 * i + 2] << 2);
    entry.flags = 0;
  }
  OsHandle palette =
      DdCreatePalette(DisplayDevice.draw, DDPCAPS_8BIT_ALLOW256, DisplayDevice.paletteEntries);
  if (palette == nullptr) return;
  DdSurfaceSetPalette(DisplayDevice.primary, palette);
  // The surface holds its own reference now; the previous object is done with.
  if (DisplayDevice.palette != nullptr) DdPaletteRelease(DisplayDevice.palette);
  DisplayDevice.palette = palette;
}

void ReapplyPalette() {
  if (DisplayDevice.paletteTable != nullptr) ApplyPalette(DisplayDevice.paletteTable);
}

namespace {

bool ModeAway(std::int32_t result) {
  return result == DDERR_WRONGMODE || result == DDERR_NOEXCLUSIVEMODE;
}

// Locks the frame, restoring a lost surface; DDERR_WRONGMODE while the
// exclusive mode is away. Other failures end the program.
std::int32_t TryLockFrame() {
  OsSurfaceDesc& desc = DisplayDevice.surfaceDesc;
  for (;;) {
    desc.size = SurfaceDescSize;
    desc.flags = DDSD_PITCH;
    std::int32_t result = DdSurfaceLock(DisplayDevice.primary, desc, DDLOCK_WAIT);
    if (result == DD_OK) {
      DisplayDevice.FramePitch = desc.pitch;
      DisplayDevice.FramePointer = desc.surface;
      return DD_OK;
    }
    if (result != DDERR_SURFACELOST) FailDisplay("cannot lock the display surface");
    std::int32_t restored = DdSurfaceRestore(DisplayDevice.primary);
    if (restored == DD_OK) {
      if (DisplayDevice.modeAway) {
        DisplayDevice.modeAway = false;
        ReapplyPalette();
        if (DisplayDevice.shown != nullptr) DisplayDevice.shown->redraw();
      }
      continue;
    }
    // Destroying the window ends the exclusive mode and loses the surface
    // for good: that is the close road, not a failure of the display.
    // (The orderly exit shuts this display down in turn: the one place
    // where the display and the exits call each other.)
    if (ProgramState.running == 0) ExitProgram();
    if (ModeAway(restored)) {
      DisplayDevice.modeAway = true;
      return DDERR_WRONGMODE;
    }
    FailDisplay("cannot restore the lost display surface");
  }
}

// One turn of waiting for the exclusive mode: a message is taken (a close
// still asks its question; keys are dropped), or a vertical blank passes.
void AwaitDisplay() {
  if (PeekProgramMessage()) {
    const OsMessage& message = ProgramState.message;
    if (message.message == WM_QUIT) ExitProgram();
    if (message.message != WM_KEYDOWN && message.message != WM_KEYUP) DispatchProgramMessage();
    if (ProgramState.running == 0) ExitProgram();
  } else {
    WaitFrame();
  }
}

}  // namespace

// The message being handled when the wait began is put back afterwards: its
// loop, and an exit code taken from it, must not see the messages of the wait.
void LockFrame() {
  if (TryLockFrame() == DD_OK) return;
  const OsMessage handled = ProgramState.message;
  do AwaitDisplay();
  while (TryLockFrame() != DD_OK);
  ProgramState.message = handled;
}

void WatchDisplay() {
  if (!ModeAway(DdSurfaceRestore(DisplayDevice.primary))) return;
  LockFrame();
  UnlockFrame();
}

bool DisplayReady() {
  if (TryLockFrame() != DD_OK) return false;
  UnlockFrame();
  return true;
}

void UnlockFrame() {
  if (DdSurfaceUnlock(DisplayDevice.primary) != DD_OK)
    FailDisplay("cannot unlock the display surface");
}

void WaitFrame() {
  HandStatusDown();
  DdWaitForVerticalBlank(DisplayDevice.draw, DDWAITVB_BLOCKBEGIN);
}

void LeaveScreenMode() { DdRestoreDisplayMode(DisplayDevice.draw); }

void ShutdownDisplay() {
  DdRestoreDisplayMode(DisplayDevice.draw);
  if (DisplayDevice.palette != nullptr) DdPaletteRelease(DisplayDevice.palette);
  DisplayDevice.palette = nullptr;
  DdSurfaceRelease(DisplayDevice.primary);
  DdRelease(DisplayDevice.draw);
}
