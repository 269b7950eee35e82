#include "platform/MemoryCanvas.h"

#include <QFontMetrics>
#include <QString>

namespace platform {

MemoryCanvas::MemoryCanvas(int width, int height)
    : m_image(width, height, QImage::Format_RGB32)
{
    if (m_image.isNull())
        return;
    m_image.fill(Qt::black);
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

void MemoryCanvas::SetViewportOrg(int x, int y)
{
    if (m_painter.isActive())
        m_painter.setTransform(QTransform::fromTranslate(x, y));
}

void MemoryCanvas::SelectPen(const QColor& color, int width)
{
    m_pen = QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void MemoryCanvas::Line(int x1, int y1, int x2, int y2)
{
    if (!m_painter.isActive())
        return;
    m_painter.setPen(m_pen);
    m_painter.drawLine(x1, y1, x2, y2);
}

void MemoryCanvas::SetTextColors(const QColor& text, const QColor& back, bool opaque)
{
    m_textColor = text;
    m_backColor = back;
    m_bOpaque = opaque;
}

void MemoryCanvas::SelectFont(const QFont& font)
{
    if (m_painter.isActive())
        m_painter.setFont(font);
}

void MemoryCanvas::TextOut(int x, int y, const std::string& utf8)
{
    if (!m_painter.isActive())
        return;
    const QString text = QString::fromStdString(utf8);
    const QFontMetrics metrics(m_painter.font(), &m_image);
    if (m_bOpaque)
        m_painter.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()), m_backColor);
    m_painter.setPen(m_textColor);
    m_painter.drawText(x, y + metrics.ascent(), text);
}

const QImage& MemoryCanvas::Finish()
{
    if (m_painter.isActive())
        m_painter.end();
    return m_image;
}

} // namespace platform
