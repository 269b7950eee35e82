#include "picture/FrameCompositor.h"

#include "picture/logic/GifFrameInfo.h"

#include <QPainter>

#include <algorithm>

namespace picture {

namespace {

// An image's paint engine is made by its first painter and freed with the image.
// Making it here keeps both on the window's thread; the worker only paints with it.
QImage MakeImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    if (!image.isNull())
        image.paintEngine();
    return image;
}

// The whole picture, upright: its source rectangle is given from the bottom edge up.
bool RenderWhole(const platform::Picture& picture, QPainter& painter, QSize size)
{
    const long cx = picture.WidthHimetric();
    const long cy = picture.HeightHimetric();
    return picture.Render(painter, 0, 0, size.width(), size.height(), 0, cy, cx, -cy);
}

} // namespace

bool CFrameCompositor::Create(QSize size, std::span<const GifFrame> frames, const QColor& clrFill,
                              const QColor& clrBack)
{
    QImage back = MakeImage(size);
    // The area under a frame that is to be restored is copied into an image of the
    // screen's size, made once.
    const bool bSave = std::any_of(frames.begin(), frames.end(), [](const GifFrame& frame) {
        return frame.m_nDisposal == GifFrameInfo::kDisposeToPrevious;
    });
    QImage save = bSave ? MakeImage(size) : QImage();
    if (back.isNull() || (bSave && save.isNull()))  // an image that could not be allocated
        return false;
    back.fill(clrFill);
    const std::lock_guard lock(m_mutex);
    m_backBuffer = std::move(back);
    m_saveArea = std::move(save);
    m_savedArea = QRect();
    m_clrBack = clrBack;
    return true;
}

void CFrameCompositor::Clear()
{
    const std::lock_guard lock(m_mutex);
    m_backBuffer = QImage();
    m_saveArea = QImage();
    m_savedArea = QRect();
    m_clrBack = Qt::white;
}

QColor CFrameCompositor::BackColor() const
{
    const std::lock_guard lock(m_mutex);
    return m_clrBack;
}

void CFrameCompositor::SetBackColor(const QColor& clr)
{
    const std::lock_guard lock(m_mutex);
    m_clrBack = clr;
    m_backBuffer.fill(clr);
}

bool CFrameCompositor::DrawWhole(const platform::Picture& picture)
{
    const std::lock_guard lock(m_mutex);
    QPainter painter(&m_backBuffer);
    return RenderWhole(picture, painter, m_backBuffer.size());
}

bool CFrameCompositor::ShowFrame(const GifFrame& frame)
{
    const std::lock_guard lock(m_mutex);
    const QRect area = FrameArea(frame);
    if (frame.m_nDisposal == GifFrameInfo::kDisposeToPrevious) {
        m_savedArea = area;
        if (!area.isEmpty())
            QPainter(&m_saveArea).drawImage(QPoint(0, 0), m_backBuffer, area);
    }
    if (area.isEmpty())
        return false;
    QPainter painter(&m_backBuffer);
    painter.setClipRect(area);
    return RenderWhole(*frame.m_pPicture, painter, m_backBuffer.size());
}

void CFrameCompositor::DisposeFrame(const GifFrame& frame)
{
    const std::lock_guard lock(m_mutex);
    const QRect area = FrameArea(frame);
    if (frame.m_nDisposal == GifFrameInfo::kDisposeToBackground) {
        QPainter(&m_backBuffer).fillRect(area, m_clrBack);
    } else if (frame.m_nDisposal == GifFrameInfo::kDisposeToPrevious && !m_savedArea.isEmpty()) {
        QPainter(&m_backBuffer).drawImage(m_savedArea.topLeft(), m_saveArea, QRect(QPoint(0, 0), m_savedArea.size()));
        m_savedArea = QRect();
    }
}

void CFrameCompositor::FillWithBackColor()
{
    const std::lock_guard lock(m_mutex);
    m_backBuffer.fill(m_clrBack);
}

void CFrameCompositor::Paint(QPainter& painter, const QRect& rcSource) const
{
    const std::lock_guard lock(m_mutex);
    if (m_backBuffer.isNull())
        return;
    if (rcSource.width() > 0)
        painter.drawImage(QPoint(0, 0), m_backBuffer, rcSource);
    else
        painter.drawImage(QPoint(0, 0), m_backBuffer);
}

// A frame may lie partly or wholly outside the logical screen; nothing outside the
// back buffer is ever copied, filled or drawn.
QRect CFrameCompositor::FrameArea(const GifFrame& frame) const
{
    return frame.Rect() & m_backBuffer.rect();
}

} // namespace picture
