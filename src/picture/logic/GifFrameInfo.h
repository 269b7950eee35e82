#pragma once
// What the block walker reports about one frame besides its one-frame GIF.

#include <cstdint>

namespace picture {

struct GifFrameInfo {
    std::uint32_t m_nLength = 0;   // bytes of the one-frame GIF
    std::uint32_t m_nDelay = 0;    // hundredths of a second; kNoDelay without a control extension
    int m_nWidth = 0;              // size and offset: images only, a plain text frame leaves them
    int m_nHeight = 0;
    int m_nLeft = 0;
    int m_nTop = 0;
    std::uint32_t m_nDisposal = 0; // 0 to 7; 0 without a control extension

    static constexpr std::uint32_t kNoDelay = 0xFFFFFFFF;
    // The disposal methods that undo a frame; the others leave it in place.
    static constexpr std::uint32_t kDisposeToBackground = 2;
    static constexpr std::uint32_t kDisposeToPrevious = 3;
};

} // namespace picture
