// The Word Map editor (F5): the world map of areas with its own screen, loop
// and keys.
#pragma once

void RunWordMap();

// Back to the state at program start.
void ResetWordMap();
