// The animation preview (F4).
#include "area/animation_preview.h"

std::uint32_t AnimationTick;

void RunAnimationPreview() {}
