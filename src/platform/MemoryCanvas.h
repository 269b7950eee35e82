#pragma once
// A memory picture painted the way a GDI memory device context is: an origin for
// logical coordinates, a selected pen and font, text placed by its top-left corner,
// and no anti-aliasing on lines. It is finished once and copied to the window in
// one drawImage, so the window never shows a half-drawn picture.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <string>

namespace platform {

class MemoryCanvas {
public:
    // A width × height picture, all black. With a width or height of 0 (a window
    // shrunk to nothing) every drawing does nothing and Finish gives a null image.
    MemoryCanvas(int width, int height);

    // Logical (0, 0) lies at device (x, y) from now on; not cumulative.
    void SetViewportOrg(int x, int y);

    // A solid pen `width` pixels wide, with round ends and joins like a wide GDI
    // pen; lines are never anti-aliased, so they hold only the pen's colour.
    void SelectPen(const QColor& color, int width);

    // A line in logical coordinates with the selected pen.
    void Line(int x1, int y1, int x2, int y2);

    // Colours for text; `opaque` fills the text's box with `back` before the text.
    void SetTextColors(const QColor& text, const QColor& back, bool opaque);

    void SelectFont(const QFont& font);

    // One line of text whose box (advance width × font height) has its top-left
    // corner at logical (x, y).
    void TextOut(int x, int y, const std::string& utf8);

    // Ends painting and gives the picture; nothing may be drawn afterwards.
    const QImage& Finish();

private:
    QImage m_image;
    QPainter m_painter;
    QPen m_pen;
    QColor m_textColor = Qt::black;
    QColor m_backColor = Qt::white;
    bool m_bOpaque = true;
};

} // namespace platform
