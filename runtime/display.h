// The exclusive 640 x 480 x 8 display: the DirectDraw device, its primary
// surface and palette, the frame lock that every drawing goes through, and the
// vertical-blank wait that paces every loop.
#pragma once

#include <cstdint>

#include "platform/platform.h"

constexpr int ScreenWidth = 640;
constexpr int ScreenHeight = 480;
constexpr std::uint32_t SurfaceDescSize = 108;  // DDSURFACEDESC on 32-bit Windows

struct DisplayDeviceRecord {
  OsHandle window;
  OsHandle draw;
  OsHandle primary;
  OsHandle palette;
  OsSurfaceDesc surfaceDesc;
  OsPaletteEntry paletteEntries[256];
  std::uint8_t* FramePointer;
  std::int32_t FramePitch;
  bool modeAway;              // another program holds the exclusive mode; the screen is gone
  std::int32_t desktopTurns;  // dialogs and boxes up now (see desktop_turn.h)
  bool screenKept;            // the outer turn saved the screen and left the mode
};

extern DisplayDeviceRecord DisplayDevice;

void InitDisplay(OsHandle window);
void EnterScreenMode();
void CreatePrimary();
void ApplyPalette(const std::uint8_t* table);
// Locks the frame. A lost surface is restored; while another program holds
// the exclusive mode, messages go on being taken until it comes back, and the
// whole screen that was showing is then drawn again.
void LockFrame();
// For a screen that draws nothing for a while: notices that the exclusive
// mode is away, waits for it and draws the screen again. Any other state of
// the surface is left for the next drawing to meet.
void WatchDisplay();
// Whether the frame can be drawn now (a lost surface is restored first);
// false while the exclusive mode is away.
bool DisplayReady();
void UnlockFrame();
void WaitFrame();
void LeaveScreenMode();
void ShutdownDisplay();

// Screen pixel (x, y) of the locked frame.
inline std::uint8_t* FramePixel(int x, int y) {
  return DisplayDevice.FramePointer + static_cast<std::intptr_t>(y) * DisplayDevice.FramePitch + x;
}
