// The Word Map editor (F5): the world map of areas with its own screen, loop
// and keys.
#pragma once

#include <cstdint>

struct Screen;
extern const Screen WordMapScreen;

// Saves the area editor's screen, runs the Word Map until Esc or until the
// running flag is clear, and puts the area editor's screen back.
void RunWordMap();
void WordMapLoop();
// Handles one key, the low byte of a key-down's wParam; true on Esc, when
// the Word Map is to be left.
bool HandleWordMapKey(std::uint32_t key);
// TAB: the other window becomes active, each keeping its own cursor.
void SwitchWordMapWindow();
