#include "picture/logic/FrameWait.h"

#include "picture/logic/GifFrameInfo.h"

namespace picture {

std::chrono::milliseconds FrameWait(std::uint32_t nDelay)
{
    constexpr std::uint32_t kShortest = 5;
    if (nDelay < kShortest || nDelay == GifFrameInfo::kNoDelay)
        return std::chrono::milliseconds(100);
    return std::chrono::milliseconds(std::int64_t{nDelay} * 10);
}

} // namespace picture
