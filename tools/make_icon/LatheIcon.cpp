#include "LatheIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// Drawn on a 256-unit grid; the axis of rotation runs along y = kAxis.
constexpr double kGrid = 256.0;
constexpr double kAxis = 132.0;
constexpr double kPartStart = 78.0;
constexpr double kPartEnd = 232.0;

// Upper half of the part's contour, from the chuck to the face: a shoulder, then
// an elliptic neck (the curve a macro program turns), then a short collar.
QPainterPath UpperContour()
{
    QPainterPath path(QPointF(kPartStart, kAxis - 44));
    path.lineTo(112, kAxis - 44);
    path.cubicTo(140, kAxis - 44, 150, kAxis - 18, 178, kAxis - 18);
    path.cubicTo(196, kAxis - 18, 204, kAxis - 30, 210, kAxis - 30);
    path.lineTo(kPartEnd, kAxis - 30);
    return path;
}

QPainterPath Mirrored(const QPainterPath& upper)
{
    QTransform flip;
    flip.translate(0, 2 * kAxis);
    flip.scale(1, -1);
    return flip.map(upper);
}

void PaintBackground(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, kGrid);
    sky.setColorAt(0, QColor(38, 64, 104));
    sky.setColorAt(1, QColor(12, 22, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(4, 4, kGrid - 8, kGrid - 8), 44, 44);
}

void PaintChuck(QPainter& p)
{
    QLinearGradient steel(0, kAxis - 70, 0, kAxis + 70);
    steel.setColorAt(0, QColor(200, 206, 214));
    steel.setColorAt(0.5, QColor(120, 128, 140));
    steel.setColorAt(1, QColor(70, 76, 88));
    p.setPen(QPen(QColor(30, 34, 42), 3));
    p.setBrush(steel);
    p.drawRoundedRect(QRectF(22, kAxis - 70, 44, 140), 6, 6);
    for (double y : {kAxis - 60, kAxis + 36}) {
        p.drawRect(QRectF(62, y, 18, 24));
    }
}

void PaintPart(QPainter& p)
{
    const QPainterPath upper = UpperContour();
    QPainterPath outline = upper;
    outline.connectPath(Mirrored(upper).toReversed());
    outline.closeSubpath();

    QLinearGradient metal(0, kAxis - 44, 0, kAxis + 44);
    metal.setColorAt(0, QColor(250, 250, 252));
    metal.setColorAt(0.35, QColor(176, 186, 198));
    metal.setColorAt(1, QColor(96, 106, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    p.drawPath(outline);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 176, 40), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(upper);
}

void PaintAxis(QPainter& p)
{
    QPen pen(QColor(232, 56, 48), 4, Qt::DashDotLine, Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(QPointF(14, kAxis), QPointF(kGrid - 14, kAxis));
}

// A triangular insert on its holder, its tip on the neck of the contour.
void PaintTool(QPainter& p)
{
    const QPointF tip(160, kAxis - 27);
    p.setPen(QPen(QColor(30, 34, 42), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor(84, 92, 104));
    p.drawPolygon(QPolygonF({tip + QPointF(14, -40), tip + QPointF(54, -82),
                             tip + QPointF(80, -58), tip + QPointF(40, -16)}));
    p.setBrush(QColor(252, 210, 60));
    p.drawPolygon(QPolygonF({tip, tip + QPointF(8, -40), tip + QPointF(40, -16)}));
}

} // namespace

QImage PaintLatheIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    PaintBackground(p);
    PaintChuck(p);
    PaintPart(p);
    PaintAxis(p);
    PaintTool(p);
    return image;
}
