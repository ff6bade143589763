// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z: the keys that move through the history of
// the area set, and what the area editor shows of a move.
#pragma once

#include <cstdint>

#include "platform/platform.h"

// Ctrl+Z undoes; Ctrl+Y and Ctrl+Shift+Z redo.
constexpr OsWParam KeyZ = 'Z', KeyY = 'Y';

enum class HistoryMove { None, Undo, Redo };

// What a key asks of the history, with Ctrl and Shift as held for its message.
HistoryMove HistoryMoveOf(OsWParam key);
// Ends a marked block as TAB does, then undoes or redoes one step; returns
// the regions of the set changed, 0 when there was no step to move over (and
// says so).
std::uint32_t MoveThroughHistory(HistoryMove move);
// The history keys in the area editor: the move, then what it changed drawn.
void MoveThroughHistoryInAreaEditor(OsWParam key);
// Draws the editor window and the area number anew when the regions hold them.
void ShowHistoryInAreaEditor(std::uint32_t regions);
