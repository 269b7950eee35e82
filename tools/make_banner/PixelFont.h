#pragma once
// A 5 by 7 pixel font with the capitals the banner needs.

#include <array>
#include <cstdint>

namespace banner {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;

// One row per entry, bit 4 the leftmost pixel; blank for a character it lacks.
std::array<std::uint8_t, kGlyphHeight> Glyph(char c);

} // namespace banner
