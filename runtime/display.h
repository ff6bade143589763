// The exclusive 640 x 480 x 8 display: the DirectDraw device, its primary
// surface and palette, the frame lock that every drawing goes through, and the
// vertical-blank wait that paces every loop.
#pragma once

#include <cstdint>

#include "platform/platform.h"

constexpr int ScreenWidth = 640;
constexpr int ScreenHeight = 480;
constexpr std::uint32_t SurfaceDescSize = 108;  // DDSURFACEDESC on 32-bit Windows

// One screen of the program, as the display and RunScreen see it: its first
// picture, drawn on a cleared screen; the same picture drawn again whole as it
// stands, when the display comes back after another program held it; and its
// loop, which returns when the screen is left.
struct Screen {
  void (*draw)();
  void (*redraw)();
  void (*loop)();
};

struct DisplayDeviceRecord {
  OsHandle window;
  OsHandle draw;
  OsHandle primary;
  OsHandle palette;
  OsSurfaceDesc surfaceDesc;
  OsPaletteEntry paletteEntries[256];
  const std::uint8_t* paletteTable;  // the 6-bit table last applied
  const Screen* shown;               // the screen showing, drawn again after a restore
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
// Applies the table last applied again, as it holds now.
void ReapplyPalette();
// Locks the frame. A lost surface is restored; while another program holds
// the exclusive mode, messages go on being taken until it comes back, and the
// palette and the whole screen that was showing are then drawn again.
void LockFrame();
// For a screen that draws nothing for a while: notices that the exclusive
// mode is away, waits for it and draws the screen again. Any other state of
// the surface is left for the next drawing to meet.
void WatchDisplay();
// Whether the frame can be drawn now (a lost surface is restored first);
// false while the exclusive mode is away.
bool DisplayReady();
void UnlockFrame();
// Hands the status down and waits for the next vertical blank.
void WaitFrame();
void LeaveScreenMode();
void ShutdownDisplay();

// Screen pixel (x, y) of the locked frame.
inline std::uint8_t* FramePixel(int x, int y) {
  return DisplayDevice.FramePointer + static_cast<std::intptr_t>(y) * DisplayDevice.FramePitch + x;
}
