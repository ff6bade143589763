// Which screen is showing, and running one screen over another: the area
// editor is the base screen; the help page, the animation preview and the
// Word Map each run over it until left.
#pragma once

#include "runtime/display.h"

// The screen the program starts on; the display draws it again after a
// restore until another screen runs over it.
void ShowBaseScreen(const Screen& screen);
// Whether `screen` is the one showing.
bool Showing(const Screen& screen);
// Keeps the picture of the screen showing, clears the screen, draws the new
// one and runs its loop, then puts the kept picture back.
void RunScreen(const Screen& screen);
