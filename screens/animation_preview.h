// The animation preview (F4): the stored current area, unscaled, animated
// through the cell-id table until Esc.
#pragma once

#include <cstdint>

// Loop turns since the last animation step; runs on from one preview to the
// next.
extern std::uint32_t AnimationTick;

constexpr std::uint32_t AnimationPeriod = 6;  // turns (vertical blanks) per step

struct Screen;
extern const Screen PreviewScreen;

// Saves the screen, animates the stored current area until Esc, and puts
// the screen back.
void RunAnimationPreview();
