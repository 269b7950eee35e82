#include "platform/MemoryCanvas.h"

#include "platform/FontMap.h"

#include <QFontMetrics>
#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr QRgb kBlack = 0xff000000;

// The smallest rectangle holding every pixel that is not black; empty when none.
QRect PaintedBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kBlack)
                box |= QRect(x, y, 1, 1);
    return box;
}

bool OnlyColours(const QImage& image, QRgb a, QRgb b)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != a && image.pixel(x, y) != b)
                return false;
    return true;
}

TEST(MemoryCanvas, StartsAllBlack)
{
    platform::MemoryCanvas canvas(40, 30);
    const QImage& image = canvas.Finish();
    EXPECT_EQ(image.size(), QSize(40, 30));
    EXPECT_TRUE(PaintedBox(image).isEmpty());
}

TEST(MemoryCanvas, LinesInLogicalCoordinatesWithoutAntiAliasing)
{
    const struct {
        const char* name;
        QPoint origin;
        QPoint from, to;
        QPoint deviceInside; // a device pixel the line must cover
    } rows[] = {
        {"horizontal at the origin", {50, 40}, {0, 0}, {-30, 0}, {35, 40}},
        {"vertical", {50, 40}, {0, 0}, {0, -30}, {50, 25}},
        {"diagonal arrow head", {50, 40}, {0, -30}, {-5, -20}, {48, 14}},
        {"steep curve segment", {10, 70}, {3, -2}, {20, -55}, {21, 41}},
    };
    constexpr QRgb yellow = 0xffffff00;
    for (const auto& row : rows) {
        platform::MemoryCanvas canvas(100, 80);
        canvas.SetViewportOrg(row.origin.x(), row.origin.y());
        canvas.SelectPen(QColor(255, 255, 0), 2);
        canvas.Line(row.from.x(), row.from.y(), row.to.x(), row.to.y());
        const QImage& image = canvas.Finish();

        EXPECT_TRUE(OnlyColours(image, kBlack, yellow)) << row.name;
        EXPECT_EQ(image.pixel(row.deviceInside), yellow) << row.name;
        // The pen is 2 wide: nothing beyond a pixel or two around the segment's ends.
        const QRect segment = QRect(row.from + row.origin, row.to + row.origin).normalized();
        EXPECT_TRUE(segment.adjusted(-2, -2, 2, 2).contains(PaintedBox(image))) << row.name;
    }
}

TEST(MemoryCanvas, PenWidthIsTheLineThickness)
{
    const int widths[] = {1, 2, 3};
    for (int width : widths) {
        platform::MemoryCanvas canvas(60, 20);
        canvas.SetViewportOrg(0, 10);
        canvas.SelectPen(Qt::red, width);
        canvas.Line(10, 0, 50, 0);
        const QImage& image = canvas.Finish();
        int thickness = 0;
        for (int y = 0; y < image.height(); ++y)
            thickness += image.pixel(30, y) != kBlack;
        EXPECT_EQ(thickness, width);
    }
}

TEST(MemoryCanvas, TextSitsBelowAndRightOfItsTopLeftCorner)
{
    const struct {
        const char* name;
        QPoint origin;
        QPoint at;
        std::string text;
        bool opaque;
    } rows[] = {
        {"label left of the origin", {300, 400}, {-200, -10}, "红色警戒线", false},
        {"value line, opaque box", {300, 400}, {0, 50}, "起点X坐标:46,起点Z坐标-2", true},
        {"axis letter", {60, 60}, {-25, -50}, "x", false},
    };
    const QFont font = platform::DialogFont("宋体", 15);
    for (const auto& row : rows) {
        platform::MemoryCanvas canvas(640, 560);
        canvas.SetViewportOrg(row.origin.x(), row.origin.y());
        canvas.SetTextColors(Qt::white, Qt::blue, row.opaque);
        canvas.SelectFont(font);
        canvas.TextOut(row.at.x(), row.at.y(), row.text);
        const QImage& image = canvas.Finish();

        const QPoint corner = row.origin + row.at;
        const QFontMetrics metrics(font, &image);
        const QRect box(corner, QSize(metrics.horizontalAdvance(QString::fromStdString(row.text)),
                                      metrics.height()));
        const QRect painted = PaintedBox(image);
        EXPECT_FALSE(painted.isEmpty()) << row.name;
        EXPECT_TRUE(box.contains(painted)) << row.name;
        if (row.opaque) {
            EXPECT_EQ(painted, box) << row.name;
            EXPECT_EQ(image.pixel(corner), 0xff0000ffu) << row.name;
        }
    }
}

TEST(MemoryCanvas, NothingToPaintOnAnEmptyWindow)
{
    platform::MemoryCanvas canvas(0, 0);
    canvas.SelectPen(Qt::white, 2);
    canvas.Line(0, 0, 10, 10);
    canvas.TextOut(0, 0, "z");
    EXPECT_TRUE(canvas.Finish().isNull());
}

} // namespace
