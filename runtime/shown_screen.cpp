// Running a screen over the one showing. Its picture is kept in a screen store
// of its own, and the display draws the screen that shows after a restore.
#include "runtime/shown_screen.h"

#include "runtime/screen.h"

namespace {

std::uint8_t KeptScreen[ScreenStoreSize];

}  // namespace

void ShowBaseScreen(const Screen& screen) { DisplayDevice.shown = &screen; }

bool Showing(const Screen& screen) { return DisplayDevice.shown == &screen; }

void RunScreen(const Screen& screen) {
  const Screen* under = DisplayDevice.shown;
  SaveScreen(KeptScreen);
  ClearScreen();
  screen.draw();
  DisplayDevice.shown = &screen;
  screen.loop();
  DisplayDevice.shown = under;
  RestoreScreen(KeptScreen);
}
