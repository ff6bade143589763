// The words of the help page.
#include "screens/help_page.h"

const char HelpText[] =
    "Tesselle v 1.0\n"
    "\n"
    "F1 - this help page\n"
    "F2 - update currently edited area\n"
    "F3 - save area set, hold down shift to invoke Save As dialog\n"
    "F4 - animate currently selected area (please remember to update)\n"
    "F5 - Word Map editor\n"
    "F6 - Cell Cutter\n"
    "\n"
    "Keys for Area Editor:\n"
    "G     - get cell under cursor\n"
    "SPACE - place currently selected cell, or select cell\n"
    "TAB   - swich between editor and selector windows\n"
    "Cursor Keys - move around\n"
    "\n"
    "Block mode:\n"
    "SHIFT + Cursor Keys - select block\n"
    "C - copy selected block\n"
    "V - paste selected block at cursor position\n";
