// The headless backend's start: the parsed script and the surface pitch.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/headless/script.h"

void StartHeadless(const std::vector<ScriptCommand>& commands, std::int32_t pitch);
