#pragma once
// What a picture costs the picture control in memory, counted from the sizes its
// data declares so that nothing is decoded before it is known to fit. Each count is
// the most the control holds at one time, while loading the picture or after it.
// A header may declare sizes whose products pass 64 bits: counts then stay at
// INT64_MAX, beyond every bound, instead of wrapping.

#include <cstdint>

namespace picture {

// What each decoded picture holds besides its pixels: the picture object, the
// image's header, a frame's record and the heap's share of each block; about 300
// bytes with glibc, 350 under AddressSanitizer.
inline constexpr std::int64_t kPictureOverheadBytes = 512;

// The most frames an animation may have: decoding each one takes its time, however
// small the screen.
inline constexpr int kMaxFrames = 8192;

// cx by cy pixels of nBitsPerPixel, each row padded to 32 bits as Qt lays them out.
std::int64_t ImageBytes(int cx, int cy, int nBitsPerPixel = 32);

// A still picture (a one-frame GIF too) of cx by cy pixels: its decoder's image of
// nDecodedBytes is converted to four bytes a pixel and freed; then the back buffer
// of backCx by backCy is made.
std::int64_t StillCost(int cx, int cy, std::int64_t nDecodedBytes, int backCx, int backCy);

// An animation of nFrames frames on a cx by cy screen, each frame cut out as a
// one-frame GIF of at most nFrameGifBytes and decoded, as a still picture is, to the
// whole screen; then the back buffer and the save area, a screen each, are made.
std::int64_t AnimationCost(int cx, int cy, int nFrames, std::int64_t nFrameGifBytes);

} // namespace picture
