// The help page (F1): the key summary in the 8 x 16 font until Esc.
#pragma once

// Nineteen lines, each ended by a line feed, then a 0; only codes 10 and
// 32..126.
extern const char HelpText[];

void ShowHelpPage();
// Draws HelpText from the screen's top-left corner, unscaled.
void DrawHelpText();
// Waits for Esc, or for the running flag to be cleared; a WM_QUIT ends the
// program from inside.
void HelpPageLoop();
