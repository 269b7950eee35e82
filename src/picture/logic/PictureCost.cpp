#include "picture/logic/PictureCost.h"

#include <algorithm>
#include <limits>

namespace picture {

namespace {

constexpr std::int64_t kBeyondAll = std::numeric_limits<std::int64_t>::max();

// Of counts that are never negative.
std::int64_t Times(std::int64_t a, std::int64_t b)
{
    return a != 0 && b > kBeyondAll / a ? kBeyondAll : a * b;
}

std::int64_t Plus(std::int64_t a, std::int64_t b)
{
    return b > kBeyondAll - a ? kBeyondAll : a + b;
}

} // namespace

std::int64_t ImageBytes(int cx, int cy, int nBitsPerPixel)
{
    const std::int64_t rowBytes = (std::int64_t{cx} * nBitsPerPixel + 31) / 32 * 4;
    return Times(rowBytes, cy);
}

std::int64_t StillCost(int cx, int cy, std::int64_t nDecodedBytes, int backCx, int backCy)
{
    const std::int64_t converted = Plus(ImageBytes(cx, cy), kPictureOverheadBytes);
    return Plus(converted, std::max(nDecodedBytes, ImageBytes(backCx, backCy)));
}

std::int64_t AnimationCost(int cx, int cy, int nFrames, std::int64_t nFrameGifBytes)
{
    const std::int64_t screen = ImageBytes(cx, cy);
    // Beside the frames stand at most two screens and a one-frame GIF: while the
    // last frame is decoded, its decoder's image and the GIF it is decoded from;
    // afterwards the back buffer and the save area.
    const std::int64_t frames = Times(nFrames, Plus(screen, kPictureOverheadBytes));
    return Plus(frames, Plus(Times(2, screen), nFrameGifBytes));
}

} // namespace picture
