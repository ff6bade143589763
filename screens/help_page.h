// The help page (F1): the key summary in the 8 x 16 font until Esc.
#pragma once

// Nineteen lines, each ended by a line feed, then a 0; only codes 10 and
// 32..126.
extern const char HelpText[];

struct Screen;
extern const Screen HelpPageScreen;

// Saves the screen, shows the page until Esc, and puts the screen back.
void ShowHelpPage();
