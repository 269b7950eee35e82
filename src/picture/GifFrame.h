#pragma once
// One decoded frame of an animated GIF and how to show it.

#include "platform/Picture.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <memory>

namespace picture {

struct GifFrame {
    // The frame's one-frame GIF decoded: the whole logical screen, of which only
    // the frame's rectangle is drawn.
    std::unique_ptr<platform::Picture> m_pPicture;
    QSize m_frameSize;
    QPoint m_frameOffset;
    std::uint32_t m_nDelay = 0;    // hundredths of a second; GifFrameInfo::kNoDelay without a control extension
    std::uint32_t m_nDisposal = 0; // GIF disposal method 0 to 7

    QRect Rect() const { return {m_frameOffset, m_frameSize}; }
};

} // namespace picture
