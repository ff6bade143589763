// Digits, then Enter, in the Word Map: the area of that number becomes the
// selected area, as SPACE in the area picker makes it.
#pragma once

#include <cstdint>

// True when the key was taken by the number being typed.
bool GoToKeyInWordMap(std::uint32_t key);
// Selects area `area` (0..255) and scrolls the picker so that it shows; the
// active window and the cursor stay where they are.
void SelectAreaNumber(std::uint32_t area);
