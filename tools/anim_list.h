// The animation list: a text file of "CELL NEXT" lines giving the cell ids,
// read into a Cells.id table and written back from one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Each line is "CELL NEXT" (two numbers 0..255: the id of CELL is NEXT), a
// blank line or a comment from "#" to the end of the line. Cells not named
// keep the id that `ids` holds; a cell named twice is refused. On failure,
// error is "line N: reason" and `ids` is as it was.
bool ParseAnimList(std::string_view text, std::uint8_t* ids, std::string& error);

// A list naming every cell whose id is not 0, after a comment header.
std::string FormatAnimList(const std::uint8_t* ids);
