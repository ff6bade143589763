// The status line under the picture: its text, made from the status the
// program hands down, and its drawing in the help page's font.
#pragma once

#include <cstddef>

#include "platform/present/frame_present.h"
#include "platform/status.h"

namespace present {

// Writes the line for `status` into `line`: the set's name (with "*" while
// unsaved), where the cursor stands and what lies under it, and the event
// when `withEvent`.
void FormatStatusLine(const OsStatus& status, bool withEvent, char* line, std::size_t size);

// Writes "PROGRAM — NAME", "*" after NAME while unsaved, into `title`.
void FormatWindowTitle(const OsStatus& status, const char* program, char* title, std::size_t size);

// Fills `band` with `paper` and writes `text` on it in `ink`, 8 x 16 glyphs
// scaled by `scale`, one glyph of margin, cut at the band's right edge.
void DrawStatusBand(const Target& target, const Rect& band, int scale, const char* text,
                    std::uint32_t ink, std::uint32_t paper);

}  // namespace present
