// PgUp and PgDn in the selector window: the bank scrolls by the window's
// three rows, the cursor keeping its place in the window.
#pragma once

void PageSelector(bool down);
