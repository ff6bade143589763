// Which of the program's four screens is showing, and how each is drawn again
// whole when the display comes back after another program held it.
#pragma once

enum class ShownScreen { AreaEditor, HelpPage, Preview, WordMap };

extern ShownScreen ScreenShown;

// Draws the screen that is showing as it was: the palette, every window, the
// cursor where it stands, and what lies under the cursor as the cursor keeps it.
void RedrawShownScreen();
