// The help page (F1): the key summary in the 8 x 16 font until Esc.
#pragma once

// Nineteen lines, each ended by a line feed, then a 0; only codes 10 and
// 32..126.
extern const char HelpText[];
// The second page, shown by PgDn: the keys beyond the first page, in the
// same codes and at most 28 lines.
extern const char HelpTextMore[];

struct Screen;
extern const Screen HelpPageScreen;

// Saves the screen, shows the page until Esc, and puts the screen back.
void ShowHelpPage();
