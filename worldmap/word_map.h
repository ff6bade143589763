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
