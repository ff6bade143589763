// Paging in the Word Map: PgUp and PgDn move the map's view and cursor by 16
// rows, Home and End by 16 columns; in the area picker PgUp and PgDn scroll
// it by its 4 rows.
#pragma once

#include <cstdint>

// True when the key was a paging key of the active window.
bool PageWordMap(std::uint32_t key);
