// A window of the screen seen as a grid of equal positions: where it starts
// on screen and how many positions it holds across and down.
#pragma once

#include <cstdint>

struct ViewWindow {
  std::uint32_t originX;  // screen pixels
  std::uint32_t originY;
  std::uint32_t width;  // positions
  std::uint32_t height;
};
