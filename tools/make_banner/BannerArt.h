#pragma once
// The main window's banner: "VORNA" in large pixel capitals, a tagline and the
// outline of a turned part, with a light band sweeping across over the frames.

#include <cstdint>
#include <vector>

namespace banner {

constexpr int kWidth = 500;
constexpr int kHeight = 28;
constexpr int kFrames = 40;
constexpr int kDelay = 6;     // hundredths of a second
constexpr int kDisposal = 1;  // leave the frame in place

// 16 colours, red, green, blue each: eight background shades, then eight ink shades.
std::vector<std::uint8_t> BannerPalette();
// Colour indices of one frame, row by row.
std::vector<std::uint8_t> RenderBannerFrame(int frame);

} // namespace banner
