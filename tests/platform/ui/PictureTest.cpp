#include "platform/Picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <vector>

namespace {

std::span<const std::uint8_t> Bytes(const QByteArray& data)
{
    return {reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size())};
}

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return data;
}

QByteArray Png(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return Encoded(image, "PNG");
}

// 4 × 4 pixels: red, green / blue, white quadrants; the white one's corner pixel is
// transparent.
QByteArray Quadrants()
{
    QImage image(4, 4, QImage::Format_ARGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            image.setPixel(x, y, y < 2 ? (x < 2 ? 0xffff0000 : 0xff00ff00) : (x < 2 ? 0xff0000ff : 0xffffffff));
    image.setPixel(3, 3, 0x00000000);
    return Encoded(image, "PNG");
}

// A one-pixel GIF: global table of white and black, pixel index 0.
const QByteArray kOnePixelGif = QByteArray::fromHex(
    "47494638396101000100800000ffffff0000002c00000000010001000002024401003b");

TEST(Picture, ReportsItsSizeInHimetricAtNinetySixDpi)
{
    const struct {
        const char* name;
        QByteArray data;
        long width, height;
    } rows[] = {
        {"96 x 48", Png(96, 48), 2540, 1270},
        {"banner size", Png(500, 28), 13229, 741},
        {"one-pixel GIF", kOnePixelGif, 26, 26},
    };
    for (const auto& row : rows) {
        const auto picture = platform::Picture::Load(Bytes(row.data));
        ASSERT_NE(picture, nullptr) << row.name;
        EXPECT_EQ(picture->WidthHimetric(), row.width) << row.name;
        EXPECT_EQ(picture->HeightHimetric(), row.height) << row.name;
    }
}

QByteArray Encoded(int width, int height, QImage::Format format, const char* encoding)
{
    QImage image(width, height, format);
    if (format == QImage::Format_Mono || format == QImage::Format_Indexed8)
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(1);
    return Encoded(image, encoding);
}

// The header tells what decoding makes: the size and the depth of the decoder's own
// image, by which the picture control counts a picture before it decodes it.
TEST(Picture, ReadsItsHeaderAsDecodingTurnsOut)
{
    const struct {
        const char* name;
        QByteArray data;
    } rows[] = {
        {"PNG", Png(96, 48)},
        {"grey PNG", Encoded(5, 3, QImage::Format_Grayscale8, "PNG")},
        {"16-bit PNG", Encoded(5, 3, QImage::Format_RGBA64, "PNG")},
        {"one-bit PNG", Encoded(33, 2, QImage::Format_Mono, "PNG")},
        {"JPEG", Encoded(7, 9, QImage::Format_RGB32, "JPEG")},
        {"BMP with a palette", Encoded(5, 3, QImage::Format_Indexed8, "BMP")},
        {"icon", Encoded(16, 16, QImage::Format_ARGB32, "ICO")},
        {"one-pixel GIF, whose reader tells no format", kOnePixelGif},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto header = platform::Picture::ReadHeader(Bytes(row.data));
        const QImage decoded = QImage::fromData(row.data);
        ASSERT_TRUE(header.has_value());
        ASSERT_FALSE(decoded.isNull());
        EXPECT_EQ(header->m_size, decoded.size());
        EXPECT_EQ(header->m_nBitsPerPixel, decoded.depth());
    }
    EXPECT_FALSE(platform::Picture::ReadHeader(Bytes(QByteArray("not a picture"))).has_value());
}

TEST(Picture, RefusesDataItCannotDecode)
{
    const struct {
        const char* name;
        QByteArray data;
    } rows[] = {
        {"empty", QByteArray()},
        {"text", QByteArray("not a picture")},
        {"truncated PNG", Png(96, 48).left(24)},
        {"GIF header only", kOnePixelGif.left(13)},
    };
    for (const auto& row : rows)
        EXPECT_EQ(platform::Picture::Load(Bytes(row.data)), nullptr) << row.name;
}

struct RenderCase {
    const char* name;
    int x, y, cx, cy;
    long srcX, srcY, srcCx, srcCy;
    bool rendered;
    std::vector<std::pair<QPoint, QRgb>> pixels; // in the 8 × 8 target, grey before
};

TEST(Picture, RendersTheSourceRectangleUpright)
{
    constexpr QRgb grey = 0xff808080, red = 0xffff0000, green = 0xff00ff00, blue = 0xff0000ff,
                   white = 0xffffffff;
    const auto picture = platform::Picture::Load(Bytes(Quadrants()));
    ASSERT_NE(picture, nullptr);
    const long w = picture->WidthHimetric(), h = picture->HeightHimetric();

    const RenderCase rows[] = {
        {"whole picture from its bottom edge", 0, 0, 4, 4, 0, h, w, -h, true,
         {{{0, 0}, red}, {{3, 0}, green}, {{0, 3}, blue}, {{2, 3}, white}, {{3, 3}, grey}, {{4, 0}, grey}}},
        {"placed and scaled twice", 2, 2, 6, 6, 0, h, w, -h, true,
         {{{2, 2}, red}, {{7, 2}, green}, {{2, 7}, blue}, {{1, 1}, grey}}},
        {"right half", 0, 0, 2, 4, w / 2, h, w / 2, -h, true,
         {{{0, 0}, green}, {{1, 2}, white}, {{2, 0}, grey}}},
        {"bottom half from the top edge down", 0, 0, 4, 2, 0, h / 2, w, h / 2, true,
         {{{0, 0}, blue}, {{2, 1}, white}, {{0, 2}, grey}}},
        {"zero target width", 0, 0, 0, 4, 0, h, w, -h, false, {{{0, 0}, grey}}},
        {"zero source height", 0, 0, 4, 4, 0, h, w, 0, false, {{{0, 0}, grey}}},
    };
    for (const RenderCase& row : rows) {
        QImage target(8, 8, QImage::Format_RGB32);
        target.fill(grey);
        QPainter painter(&target);
        EXPECT_EQ(picture->Render(painter, row.x, row.y, row.cx, row.cy, row.srcX, row.srcY, row.srcCx,
                                  row.srcCy),
                  row.rendered)
            << row.name;
        painter.end();
        for (const auto& [point, colour] : row.pixels)
            EXPECT_EQ(target.pixel(point), colour) << row.name << " at " << point.x() << "," << point.y();
    }
}

TEST(Picture, RefusesAPainterThatIsNotActive)
{
    const auto picture = platform::Picture::Load(Bytes(Quadrants()));
    ASSERT_NE(picture, nullptr);
    QPainter inactive;
    EXPECT_FALSE(picture->Render(inactive, 0, 0, 4, 4, 0, picture->HeightHimetric(),
                                 picture->WidthHimetric(), -picture->HeightHimetric()));
}

} // namespace
