// Whole-screen clear, save and restore, and the clear of a region, stepping
// rows by the frame pitch.
#include "runtime/screen.h"

#include <cstring>

#include "runtime/display.h"

void ClearScreen() {
  LockFrame();
  for (int y = 0; y < ScreenHeight; ++y) std::memset(FramePixel(0, y), 0, ScreenWidth);
  UnlockFrame();
}

void ClearRegion(int x, int y, int width, int height) {
  for (int row = 0; row < height; ++row)
    std::memset(FramePixel(x, y + row), 0, static_cast<std::size_t>(width));
}

void SaveScreen(std::uint8_t* store) {
  LockFrame();
  for (int y = 0; y < ScreenHeight; ++y)
    std::memcpy(store + ScreenWidth * y, FramePixel(0, y), ScreenWidth);
  UnlockFrame();
}

void RestoreScreen(const std::uint8_t* store) {
  LockFrame();
  for (int y = 0; y < ScreenHeight; ++y)
    std::memcpy(FramePixel(0, y), store + ScreenWidth * y, ScreenWidth);
  UnlockFrame();
}
