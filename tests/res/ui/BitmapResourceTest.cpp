// The notes pictures as the notes boxes load them: uncompressed 24-bit bitmaps of
// their fixed size, white text on black.

#include "res/resource.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

struct BitmapCase {
    int id;
    int width;
    int height;
};

constexpr BitmapCase kBitmaps[] = {
    {IDB_ELLIPSE_NOTES, 348, 246},
    {IDB_HYPERBOLA_NOTES, 599, 255},
    {IDB_PARABOLA_NOTES, 351, 232},
    {IDB_CURVE_CHECK, 455, 383},
};

quint32 Le(const QByteArray& bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<quint8>(bytes[offset + i]);
    return value;
}

QByteArray Load(int id)
{
    QFile file(QString(":/res/Bitmap/%1").arg(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(BitmapResource, IsAnUncompressedBottomUp24BitBitmapOfItsSize)
{
    for (const BitmapCase& c : kBitmaps) {
        SCOPED_TRACE(c.id);
        const QByteArray bytes = Load(c.id);
        ASSERT_GE(bytes.size(), 54);
        const quint32 stride = (3 * c.width + 3) & ~3;
        EXPECT_EQ(bytes.left(2), "BM");
        EXPECT_EQ(Le(bytes, 2, 4), quint32(bytes.size()));
        EXPECT_EQ(Le(bytes, 10, 4), 54u);          // pixels right after the headers
        EXPECT_EQ(Le(bytes, 14, 4), 40u);          // BITMAPINFOHEADER
        EXPECT_EQ(Le(bytes, 18, 4), quint32(c.width));
        EXPECT_EQ(Le(bytes, 22, 4), quint32(c.height));  // positive: bottom-up
        EXPECT_EQ(Le(bytes, 26, 2), 1u);           // planes
        EXPECT_EQ(Le(bytes, 28, 2), 24u);          // bits per pixel
        EXPECT_EQ(Le(bytes, 30, 4), 0u);           // BI_RGB
        EXPECT_EQ(quint32(bytes.size()), 54 + stride * c.height);
    }
}

TEST(BitmapResource, ShowsWhiteTextOnBlack)
{
    for (const BitmapCase& c : kBitmaps) {
        SCOPED_TRACE(c.id);
        const QImage image = QImage::fromData(Load(c.id)).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(image.size(), QSize(c.width, c.height));
        qint64 white = 0;
        qint64 black = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y) & 0xFFFFFF;
                white += pixel == 0xFFFFFF;
                black += pixel == 0;
            }
        }
        EXPECT_GT(white, 0);
        EXPECT_GT(black, white);
    }
}

} // namespace
