// The background picture, drawn doubled over the whole screen.
#include "draw/background.h"

#include "data/tables.h"
#include "draw/doubling.h"
#include "runtime/display.h"

void DrawBackground() {
  LockFrame();
  DrawDoubled(FramePixel(0, 0), DisplayDevice.FramePitch, BackgroundImage.data(), BackgroundWidth,
              BackgroundHeight, BackgroundWidth);
  UnlockFrame();
}
