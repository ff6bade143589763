// Three opaque digits with leading zeros, as the area number shows.
#pragma once

#include <cstdint>

// Draws value modulo 1000 at `target` in the locked frame.
void DrawNumber(std::uint32_t value, std::uint8_t* target);
