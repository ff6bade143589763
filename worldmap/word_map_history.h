// Undo and redo in the Word Map: what its screen shows of a move through the
// history, and the area editor's region drawn once its screen is back.
#pragma once

#include <cstdint>

// Ctrl+Z and the redo keys in the Word Map.
void MoveThroughHistoryInWordMap(std::uint32_t key);
// On entry: no preview shown, nothing of the area editor to draw.
void EnterWordMapHistory();
// Once the area editor's screen is back: draws what moves changed of it.
void LeaveWordMapHistory();
