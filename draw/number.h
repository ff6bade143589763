// The current area number: three opaque digits under the editor window.
#pragma once

#include <cstdint>

extern const std::uint32_t PowersOfTen[10];

void DrawAreaNumber();
void DrawNumber(std::uint32_t value, std::uint8_t* target);
void DrawDigit(std::uint32_t digit, std::uint8_t* target);
