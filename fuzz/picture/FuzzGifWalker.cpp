// Walks arbitrary bytes as GIF data the way the picture control does: count the
// frames, then cut every one out. Any read outside the input is a sanitizer fault.

#include "picture/logic/GifBlockWalker.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    picture::CGifBlockWalker walker({data, size});
    walker.RewindBlocks();
    int count = 0;
    while (walker.SkipToNextFrame())
        ++count;

    walker.RewindBlocks();
    picture::GifFrameInfo info;
    int extracted = 0;
    for (auto gif = walker.ExtractNextFrame(info); !gif.empty(); gif = walker.ExtractNextFrame(info)) {
        // A one-frame GIF is never longer than its source plus the trailer, and it
        // walks again as exactly one frame.
        if (gif.size() > size + 1 || info.m_nLength != gif.size())
            std::abort();
        picture::CGifBlockWalker one(gif);
        one.RewindBlocks();
        if (!one.SkipToNextFrame() || one.SkipToNextFrame())
            std::abort();
        ++extracted;
    }
    if (extracted != count)
        std::abort();
    return 0;
}
