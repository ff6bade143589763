// The Word Map editor (F5).
#include "worldmap/word_map.h"

void RunWordMap() {}

void ResetWordMap() {}
