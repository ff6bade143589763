// The animation preview (F4): the stored current area, unscaled, animated
// through the cell-id table until Esc.
#pragma once

#include <cstdint>

extern std::uint32_t AnimationTick;

void RunAnimationPreview();
