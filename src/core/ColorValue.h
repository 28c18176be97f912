#pragma once
// Colour values: 32 bits, low byte red, then green, then blue; a high byte of 0x80 marks a
// system colour (its low byte indexes the table of current system colours).

#include <cstdint>
#include <string>
#include <string_view>

using TColor = std::uint32_t;

// The value that stands for "no colour".
constexpr TColor clNone = 0x1FFFFFFF;
