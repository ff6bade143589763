// Cursor drawing on the locked frame: the pixels under a cursor taken and
// put back row by row, and the bracket mask drawn doubled.
#include "draw/cursor.h"

#include <cstring>

#include "runtime/display.h"
#include "runtime/state_records.h"

std::uint32_t CursorColourCounter;
namespace {
StateRecord Listed{"CursorColourCounter", CursorColourCounter, [] { CursorColourCounter = 0; }};
}  // namespace

void NextCursorColour() { CursorColourCounter = (CursorColourCounter + 1) % 16; }

void CaptureUnderCursor(std::uint8_t* store, int x, int y, int width, int height) {
  LockFrame();
  for (int row = 0; row < height; ++row)
    std::memcpy(store + width * row, FramePixel(x, y + row), static_cast<std::size_t>(width));
  UnlockFrame();
}

void RestoreUnderCursor(const std::uint8_t* store, int x, int y, int width, int height) {
  LockFrame();
  for (int row = 0; row < height; ++row)
    std::memcpy(FramePixel(x, y + row), store + width * row, static_cast<std::size_t>(width));
  UnlockFrame();
}

void DrawCursorMask(const std::uint8_t* mask, int maskWidth, int maskHeight, int x, int y) {
  auto colour = static_cast<std::uint8_t>(CursorColourCounter);
  LockFrame();
  for (int v = 0; v < maskHeight; ++v) {
    std::uint8_t* top = FramePixel(x, y + 2 * v);
    std::uint8_t* bottom = top + DisplayDevice.FramePitch;
    for (int u = 0; u < maskWidth; ++u) {
      if (mask[maskWidth * v + u] == 0) continue;
      top[2 * u] = top[2 * u + 1] = colour;
      bottom[2 * u] = bottom[2 * u + 1] = colour;
    }
  }
  UnlockFrame();
}
