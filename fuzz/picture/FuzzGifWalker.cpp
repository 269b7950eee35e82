// Walks arbitrary bytes as GIF data the way the picture control does: count the
// frames, then cut every one out. Any read outside the input is a sanitizer fault.

#include "picture/logic/GifBlockWalker.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    picture::CGifBlockWalker walker({data, size});
    walker.RewindBlocks();
    picture::GifFrameInfo counted;
    std::vector<std::uint32_t> lengths;
    while (walker.SkipToNextFrame(counted))
        lengths.push_back(counted.m_nLength);

    walker.RewindBlocks();
    picture::GifFrameInfo info;
    std::size_t extracted = 0;
    for (auto gif = walker.ExtractNextFrame(info); !gif.empty(); gif = walker.ExtractNextFrame(info)) {
        // A one-frame GIF is never longer than its source plus the trailer, is as
        // long as counting it reported, and walks again as exactly one frame.
        if (gif.size() > size + 1 || info.m_nLength != gif.size() || extracted >= lengths.size()
            || lengths[extracted] != gif.size())
            std::abort();
        picture::CGifBlockWalker one(gif);
        one.RewindBlocks();
        picture::GifFrameInfo again;
        if (!one.SkipToNextFrame(again) || one.SkipToNextFrame(again))
            std::abort();
        ++extracted;
    }
    if (extracted != lengths.size())
        std::abort();
    return 0;
}
