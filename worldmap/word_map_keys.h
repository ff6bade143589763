// The Word Map's keys: the table the loop and the pointer hand keys to.
#pragma once

#include <cstdint>

// Handles one key, the low byte of a key-down's wParam; true on Esc, when
// the Word Map is to be left.
bool HandleWordMapKey(std::uint32_t key);
// TAB: the other window becomes active, each keeping its own cursor.
void SwitchWordMapWindow();
