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
};

extern DisplayDeviceRecord DisplayDevice;

void InitDisplay(OsHandle window);
void EnterScreenMode();
void CreatePrimary();
void ApplyPalette(const std::uint8_t* table);
void LockFrame();
void UnlockFrame();
void WaitFrame();
void LeaveScreenMode();
void ShutdownDisplay();

// Screen pixel (x, y) of the locked frame.
inline std::uint8_t* FramePixel(int x, int y) {
  return DisplayDevice.FramePointer + static_cast<std::intptr_t>(y) * DisplayDevice.FramePitch + x;
}
