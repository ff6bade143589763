// The area set as it was last opened or saved: a copy of its slots and its
// Word Map, and the name it was read from or written to in this run.
#pragma once

#include <cstdint>

// Takes the copy from the set in memory; name is the file it was read from or
// written to, or null for a new set that no file holds yet.
void RememberStoredSet(const char* name);
// The copy of slot `area` (cells, then ids) and of the Word Map grid.
const std::uint8_t* StoredSlot(int area);
const std::uint8_t* StoredWordMap();
// Whether this run read the set from `name` or wrote it there.
bool StoredUnder(const char* name);
