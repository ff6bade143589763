// Which of the program's four screens is showing, and how each is drawn again
// whole when the display comes back after another program held it.
#pragma once

enum class ShownScreen { AreaEditor, HelpPage, Preview, WordMap };

extern ShownScreen ScreenShown;

// Draws the screen that is showing as it was: the palette, every window, the
// cursor where it stands, and what lies under the cursor as the cursor keeps it.
void RedrawShownScreen();
// Shows one of the screens over the area editor: keeps the editor's picture,
// clears the screen, draws the new one and runs its loop, then puts the
// editor's picture back.
void RunScreen(ShownScreen screen, void (*draw)(), void (*loop)());
