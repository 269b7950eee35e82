#pragma once
// The back buffer in which a picture is shown and an animation is put together frame
// by frame, by each frame's disposal method, and the save area from which a frame of
// method 3 is undone. The animation thread composites while the window's thread
// paints from the back buffer and sets the back colour: each call is one exclusive
// use of both images and the back colour, under one lock. The images are made and
// freed (Create, Clear) on the window's thread while no thread composites; the
// compositing thread only paints into them.

#include "picture/GifFrame.h"
#include "platform/Picture.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

#include <mutex>
#include <span>

class QPainter;

namespace picture {

class CFrameCompositor {
public:
    // A back buffer of `size` filled with clrFill, and a save area beside it when one
    // of the frames to be shown is undone to what was under it. False, with nothing
    // changed, when an image cannot be allocated.
    bool Create(QSize size, std::span<const GifFrame> frames, const QColor& clrFill, const QColor& clrBack);
    // Frees both images; the back colour is white again.
    void Clear();

    QColor BackColor() const;
    // Kept for the disposals and wraps to come, and the whole back buffer filled with it.
    void SetBackColor(const QColor& clr);

    // The whole picture, scaled to the back buffer; false when it cannot be rendered.
    bool DrawWhole(const platform::Picture& picture);
    // Draws the frame's rectangle of its picture, which is the whole logical screen;
    // for disposal method 3 it first saves what the rectangle covers. False when
    // nothing of the frame was drawn.
    bool ShowFrame(const GifFrame& frame);
    // Undoes what the frame left, by its disposal method: 2 fills its rectangle with
    // the back colour, 3 restores what its showing saved, once; the others leave it.
    void DisposeFrame(const GifFrame& frame);
    // The wrap to the first frame: the whole back buffer in the back colour.
    void FillWithBackColor();

    // Copies the back buffer to the painter's (0, 0): its part rcSource when that has
    // a positive width, else all of it; nothing without a back buffer.
    void Paint(QPainter& painter, const QRect& rcSource) const;

private:
    // The frame's rectangle within the back buffer; m_mutex held.
    QRect FrameArea(const GifFrame& frame) const;

    mutable std::mutex m_mutex;
    QImage m_backBuffer;
    QImage m_saveArea;  // the screen's size, only when a frame has disposal method 3
    QRect m_savedArea;  // what such a frame covered, saved at the save area's top left; empty for none
    QColor m_clrBack = Qt::white;
};

} // namespace picture
