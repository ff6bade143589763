// Paging in the Word Map: PgUp and PgDn move the map's view and cursor by 16
// rows, Home and End by 16 columns; in the area picker PgUp and PgDn scroll
// it by its 4 rows.
#pragma once

#include <cstdint>

// Pages the active window for VK_PRIOR, VK_NEXT, VK_HOME or VK_END; the area
// picker pages by PgUp and PgDn only.
void PageWordMap(std::uint32_t key);
